// Language files: TextTable::fromLines, text(), and loadActiveTexts on a program folder that
// holds the input as language/x.ini.

#include "fuzzcheck.h"
#include "settings/texttable.h"
#include "storage/linefile.h"

#include <QDir>
#include <QHash>
#include <QTemporaryDir>

using namespace kirveno;

namespace {

// One program folder for the whole run; every input overwrites the same language file.
struct Folder
{
    QTemporaryDir dir;
    QString path; // with a trailing "/"
    QString languageFile;

    Folder()
    {
        FUZZ_CHECK(dir.isValid());
        path = dir.path() + QLatin1Char('/');
        FUZZ_CHECK(QDir(path).mkpath(QStringLiteral("language")));
        languageFile = path + QStringLiteral("language/x.ini");
    }
};

Folder &folder()
{
    static Folder instance;
    return instance;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes = fuzz::bytesOf(data, size);
    const QStringList lines = splitLines(bytes);
    const TextTable table = TextTable::fromLines(lines);

    // Every name finds the value of the first entry whose name matches it without letter case.
    QHash<QString, QString> first;
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString name = line.left(equals);
        const QString folded = name.toCaseFolded();
        if (!first.contains(folded))
            first.insert(folded, line.mid(equals + 1));
        FUZZ_CHECK(table.text(name) == first.value(folded));
        bool ascii = true;
        for (const QChar c : name)
            ascii = ascii && c.unicode() < 128;
        if (ascii) {
            FUZZ_CHECK(table.text(name.toUpper()) == table.text(name));
            FUZZ_CHECK(table.text(name.toLower()) == table.text(name));
        }
    }
    for (const char16_t *key :
         {u"Program_Name", u"program_version", u"Language", u"000012", u"000151", u""}) {
        const QStringView view(key);
        FUZZ_CHECK(table.text(view) == first.value(view.toString().toCaseFolded()));
    }

    // The same bytes as the language file the settings name.
    fuzz::putFile(folder().languageFile, bytes);
    const ActiveTexts active = loadActiveTexts(folder().path, QStringLiteral("x"));
    const bool ours = table.text(u"Program_Name") == QLatin1String(programName)
                      && table.text(u"Program_Version") == QLatin1String(programVersion);
    const TextTable &expected = ours ? table : TextTable::builtInEnglish();
    FUZZ_CHECK(active.languageName == expected.text(u"Language"));
    for (const char16_t *key : {u"Program_Name", u"000001", u"000012", u"000151", u"x"})
        FUZZ_CHECK(active.table.text(QStringView(key)) == expected.text(QStringView(key)));
    return 0;
}
