#pragma once

#include <QStringList>

// The files of the program folder.
namespace kirveno {

inline constexpr auto settingsFileName = "ayar.dat";
inline constexpr auto tableStateFileName = "zaman.dat";
inline constexpr auto dailyLedgerFileName = "gunluk.dat";
inline constexpr auto monthlyLedgerFileName = "aylik.dat";
inline constexpr auto loansFileName = "borc.dat";
inline constexpr auto bellFileName = "zil01.wav";
inline constexpr auto cashRegisterFileName = "yazarkasa01.wav";

// The option that names the program folder on the command line: "--folder PATH".
inline constexpr auto folderOption = "--folder";

// Where the program keeps its files. A portable program keeps them beside its executable; an
// installed one (its executable in "<prefix>/bin" with its defaults in "<prefix>/share/kirveno",
// or an executable's folder the operator cannot write) gives each operator a folder of their
// own under the desktop's data folder; "--folder" names any other.
struct ProgramLocation
{
    QString folder; // ends with "/"
    // Where the language files and sounds that a folder lacks come from: "<prefix>/share/kirveno"
    // or a portable program folder; empty when there are none. The folder itself when it is
    // used as it stands, as a portable program folder is.
    QString defaults;
};

// The folders end with "/"; namedFolder is empty when the option was not given.
ProgramLocation chooseProgramLocation(const QString &namedFolder, const QString &executableFolder,
                                      const QString &userDataFolder);

// Puts in place every file that the folder lacks: the language files and sounds of the defaults
// and the data files as first installed, which the program holds. A file that exists is never
// replaced, so a café's books and an edited language file stay as they are. Throws DataFileError
// naming the folder or file that cannot be made.
void fillProgramFolder(const ProgramLocation &location);

// What a start does before it reads a data file of the folder: completes a change that a kill
// or a power cut interrupted and removes the temporary files that killed writes left. Throws
// DataFileError when the change cannot be completed.
void recoverProgramFolder(const QString &folder);

} // namespace kirveno
