#include "languages.h"

#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "texttable.h"

#include <QDir>
#include <algorithm>

namespace kirveno {

QList<LanguageFile> languageFiles(const QString &languageFolder)
{
    const QDir folder(languageFolder);
    QList<LanguageFile> languages;
    for (const QString &name :
         folder.entryList({QStringLiteral("*.ini")}, QDir::Files, QDir::Name)) {
        TextTable texts;
        try {
            texts = TextTable::fromLines(readLines(folder.filePath(name)));
        } catch (const DataFileError &) {
        }
        languages.append(
            {texts.text(u"Language"), texts.text(u"Language(local)"), texts.text(u"Translate")});
    }
    std::stable_sort(languages.begin(), languages.end(), [](const auto &a, const auto &b) {
        return a.language.compare(b.language, Qt::CaseInsensitive) < 0;
    });
    return languages;
}

} // namespace kirveno
