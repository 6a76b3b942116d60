#include "texttable.h"

#include "storage/datafileerror.h"
#include "storage/linefile.h"

static void initBuiltInTexts()
{
    Q_INIT_RESOURCE(texts);
}

namespace kirveno {

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

TextTable TextTable::builtInEnglish()
{
    static const TextTable english = [] {
        initBuiltInTexts();
        return fromLines(readLines(QStringLiteral(":/texts/english.ini")));
    }();
    return english;
}

QString TextTable::text(QStringView key) const
{
    return m_entries.value(key.toString().toCaseFolded());
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
