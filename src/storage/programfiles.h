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

// What a start does before it reads a data file of the folder: completes a change that a kill
// or a power cut interrupted and removes the temporary files that killed writes left. Throws
// DataFileError when the change cannot be completed.
void recoverProgramFolder(const QString &folder);

} // namespace kirveno
