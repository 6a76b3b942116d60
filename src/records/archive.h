#pragma once

#include "storage/programfiles.h"

#include <QStringList>
#include <array>

// An archive carries three files of the program folder as one text: the lines of each file in
// turn, each file's lines followed by a marker line that holds exactly the file's name. There
// is no escape, so a file line that equals a marker name cannot be carried.
namespace kirveno {

// The files of an archive, in its order; their names are the marker lines.
inline constexpr std::array<const char *, 3> archivedFileNames = {
    settingsFileName, monthlyLedgerFileName, loansFileName};

// The lines of the three files, in the order of archivedFileNames.
using ArchivedFiles = std::array<QStringList, 3>;

// Whether a line is the marker of the file, letter case aside.
bool isMarker(const QString &line, const char *fileName);

// The archive's lines. Throws DataFileError naming the file (in the folder) and the line when a
// line equals a marker name, which would end its file's lines early at a restore.
QStringList archiveLines(const QString &folder, const ArchivedFiles &files);

// The files carried in the archive's lines: each file's lines end at the first marker of its
// name, and lines after the last marker are not part of the archive. Throws DataFileError
// naming the archive when a marker is missing or out of order.
ArchivedFiles splitArchive(const QString &archivePath, const QStringList &lines);

} // namespace kirveno
