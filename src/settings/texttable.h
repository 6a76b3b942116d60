#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The texts of the user interface, looked up by six-digit keys such as "000012" in one language
// file: "name=value" lines, names compared without letter case, the first entry of a name
// winning, values kept with their leading and trailing spaces.
namespace kirveno {

class DataFileError;

class TextTable
{
public:
    static TextTable fromLines(const QStringList &lines);
    // The English table carried inside the program.
    static const TextTable &builtInEnglish();
    // The same table, read on its first lookup: the texts in force until the language file is
    // read, which the start need not read at all when that file serves.
    static TextTable english();

    // The value of the first entry with this name, or an empty text. The program's own keys
    // (000190 on) that a language file lacks take the built-in English text.
    QString text(QStringView key) const;
    // The text of a file error for the operator: the file, then what is wrong.
    QString message(const DataFileError &error) const;

private:
    QHash<QString, QString> m_entries; // by case-folded name
    bool m_builtIn = false;            // looks up builtInEnglish() instead
};

// The text with its places %1 to %9 filled by the values in order; a place without a value stays.
QString fillPlaces(const QString &text, const QStringList &values);

struct ActiveTexts
{
    TextTable table;
    QString languageName; // the "Language" value of the table in force
};

// Loads language/<name>.ini from the program folder for the language named by the settings
// (its first 20 characters); the built-in English table stands in when that file cannot be
// read, when the name is "yok", or when the file is not this program's version.
ActiveTexts loadActiveTexts(const QString &programFolder, const QString &languageSetting);

inline constexpr auto programName = "Kirveno LT";
inline constexpr auto programVersion = "1.4";

} // namespace kirveno
