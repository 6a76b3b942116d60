#pragma once

#include <QList>
#include <QString>

// The languages the program can be shown in: one for each "*.ini" file of the language folder.
namespace kirveno {

struct LanguageFile
{
    QString language; // its "Language" entry, the name stored in ayar.dat in lower case
    QString local;    // "Language(local)"
    QString writer;   // "Translate"

    friend bool operator==(const LanguageFile &, const LanguageFile &) = default;
};

// The files of the folder, read in file-name order and sorted by language name (letter case
// ignored; files of the same name keep their file order). A file that cannot be read gives a
// row of empty texts, so that it is seen and cannot be chosen.
QList<LanguageFile> languageFiles(const QString &languageFolder);

} // namespace kirveno
