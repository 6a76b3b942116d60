#pragma once

#include <QStringList>

// Every data file is a list of lines in the Windows-1254 code page. Reading accepts CR LF, a lone
// CR or a lone LF as the end of a line, and a line break at the very end starts no further line;
// writing ends every line with CR LF and replaces the whole file atomically, so a crash or a
// full disk leaves either the old file or the new one.
namespace kirveno {

QStringList splitLines(QByteArrayView bytes);
QByteArray joinLines(const QStringList &lines);

// Throw DataFileError naming the file when it cannot be read.
QByteArray readBytes(const QString &path);
QStringList readLines(const QString &path);
// The bytes of the lines as they are written. Throws DataFileError naming the file when a line
// holds a line break, which would shift every later line of a file whose line order is its
// format.
QByteArray bytesToWrite(const QString &path, const QStringList &lines);
// Throws DataFileError naming the file when it cannot be written; the old file then stays.
void writeLines(const QString &path, const QStringList &lines);

} // namespace kirveno
