#pragma once

#include <QList>
#include <QString>
#include <exception>

namespace kirveno {

// What fills one place (%1, %2, ...) of a text: a text as it stands, or the key of a phrase of
// the text table.
struct TextArg
{
    TextArg(QString plain) // NOLINT(google-explicit-constructor): most places take a plain text
        : text(std::move(plain))
    {}
    static TextArg phrase(const char16_t *key) { return TextArg(QString::fromUtf16(key), true); }

    QString text;
    bool isKey = false;

private:
    TextArg(QString key, bool)
        : text(std::move(key))
        , isKey(true)
    {}
};

// One sentence for the operator: the key of its text and what fills its places, in order.
struct Sentence
{
    QString key;
    QList<TextArg> args;
};

// A data file that cannot be read or written, or whose lines are not in their form. It names the
// file and says what is wrong in sentences of the text table, which the windows put into the
// language in force; the command that met it stops, and nothing half-written is left behind.
class DataFileError : public std::exception
{
public:
    DataFileError(QString file, const char16_t *key, QList<TextArg> args = {});

    const QString &file() const { return m_file; }
    const QList<Sentence> &sentences() const { return m_sentences; }
    // Adds a sentence that says what follows from the error.
    void append(const char16_t *key, QList<TextArg> args = {});
    // The file and the keys, for a log; the operator sees the text that the text table makes.
    const char *what() const noexcept override;

private:
    QString m_file;
    QList<Sentence> m_sentences;
    mutable QByteArray m_what;
};

// For a line that is not in its form: names the file, the line (counted from 1 for the
// operator), the text found there and the phrase (a text key) of what was expected.
[[noreturn]] void throwBadLine(const QString &file, int lineIndex, const QString &text,
                               const char16_t *expectedKey);

} // namespace kirveno
