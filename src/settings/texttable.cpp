#include "texttable.h"

#include "storage/datafileerror.h"
#include "storage/linefile.h"

#include <QDir>

static void initBuiltInTexts()
{
    Q_INIT_RESOURCE(texts);
}

namespace kirveno {

QString fillPlaces(const QString &text, const QStringList &values)
{
    // In one pass, so that a value holding "%2" (a line of a damaged file) stays as it is.
    QString filled;
    filled.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        const int place = next.unicode() - '1';
        if (text[i] == QLatin1Char('%') && place >= 0 && place < values.size() && place < 9) {
            filled += values[place];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

TextTable TextTable::fromLines(const QStringList &lines)
{
    TextTable table;
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString name = line.left(equals).toCaseFolded();
        if (!table.m_entries.contains(name))
            table.m_entries.insert(name, line.mid(equals + 1));
    }
    return table;
}

const TextTable &TextTable::builtInEnglish()
{
    static const TextTable english = [] {
        initBuiltInTexts();
        return fromLines(readLines(QStringLiteral(":/texts/english.ini")));
    }();
    return english;
}

TextTable TextTable::english()
{
    TextTable table;
    table.m_builtIn = true;
    return table;
}

QString TextTable::text(QStringView key) const
{
    if (m_builtIn)
        return builtInEnglish().text(key);
    const auto found = m_entries.constFind(key.toString().toCaseFolded());
    if (found != m_entries.cend())
        return *found;
    // Keys from 000190 on name the texts this program adds; a language file made before them
    // must not turn a message into an empty box.
    const bool ownKey = key.size() == 6 && key >= u"000190" && key <= u"999999";
    return ownKey && this != &builtInEnglish() ? builtInEnglish().text(key) : QString();
}

QString TextTable::message(const DataFileError &error) const
{
    QStringList sentences;
    for (const Sentence &sentence : error.sentences()) {
        QStringList values;
        for (const TextArg &arg : sentence.args)
            values.append(arg.isKey ? text(arg.text) : arg.text);
        sentences.append(fillPlaces(text(sentence.key), values));
    }
    return QDir::toNativeSeparators(error.file()) + QStringLiteral("\n\n")
           + sentences.join(QStringLiteral("\n\n"));
}

ActiveTexts loadActiveTexts(const QString &programFolder, const QString &languageSetting)
{
    QString name = languageSetting.left(20);
    TextTable table;
    try {
        table = TextTable::fromLines(
            readLines(programFolder + QStringLiteral("language/") + name + QStringLiteral(".ini")));
    } catch (const DataFileError &) {
        name = QStringLiteral("yok");
    }
    if (name == QLatin1String("yok") || table.text(u"Program_Name") != QLatin1String(programName)
        || table.text(u"Program_Version") != QLatin1String(programVersion))
        table = TextTable::builtInEnglish();
    return {table, table.text(u"Language")};
}

} // namespace kirveno
