#pragma once

#include <QString>
#include <exception>

namespace kirveno {

// A data file that cannot be read or written, or whose lines are not in their form. The text
// names the file (and the line or the text at fault) for the operator; the command that met it
// stops, and nothing half-written is left behind.
class DataFileError : public std::exception
{
public:
    DataFileError(QString file, const QString &problem);

    const QString &file() const { return m_file; }
    // What is wrong, without the file name.
    const QString &problem() const { return m_problem; }
    // The whole message for the operator.
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_file;
    QString m_problem;
    QString m_message;
    QByteArray m_utf8;
};

// For a line that is not in its form: names the file, the line (counted from 1 for the
// operator) and the text found there.
[[noreturn]] void throwBadLine(const QString &file, int lineIndex, const QString &text,
                               const QString &expected);

} // namespace kirveno
