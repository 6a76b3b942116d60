// The language chooser's listing: every "*.ini" file of the folder gives one row, from that file
// alone, and the rows come sorted by language name.

#include "fuzzcheck.h"
#include "settings/languages.h"
#include "settings/texttable.h"
#include "storage/linefile.h"

#include <QDir>
#include <QTemporaryDir>

using namespace kirveno;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The input is the files' contents separated by NUL bytes, at most eight files.
    static QTemporaryDir folder;
    QDir dir(folder.path());
    for (const QString &old : dir.entryList(QDir::Files))
        dir.remove(old);
    const QList<QByteArray> contents =
        fuzz::bytesOf(data, size).toByteArray().split('\0').mid(0, 8);
    QList<LanguageFile> expected;
    for (qsizetype i = 0; i < contents.size(); ++i) {
        fuzz::putFile(dir.filePath(QStringLiteral("%1.ini").arg(i)), contents[i]);
        const TextTable texts = TextTable::fromLines(splitLines(contents[i]));
        expected.append(
            {texts.text(u"Language"), texts.text(u"Language(local)"), texts.text(u"Translate")});
    }
    fuzz::putFile(dir.filePath(QStringLiteral("readme.txt")), "Language=not a language file");

    const QList<LanguageFile> rows = languageFiles(folder.path());
    FUZZ_CHECK(rows.size() == expected.size());
    for (const LanguageFile &row : rows)
        FUZZ_CHECK(expected.contains(row));
    for (qsizetype i = 1; i < rows.size(); ++i)
        FUZZ_CHECK(rows[i - 1].language.compare(rows[i].language, Qt::CaseInsensitive) <= 0);
    return 0;
}
