#pragma once

#include <QStringList>

// Every data file is a list of lines in the Windows-1254 code page. Reading accepts CR LF, a lone
// CR or a lone LF as the end of a line, and a line break at the very end starts no further line;
// writing ends every line with CR LF and replaces the whole file atomically, so a crash or a
// full disk leaves either the old file or the new one.
namespace kirveno {

QStringList splitLines(QByteArrayView bytes);
QByteArray joinLines(const QStringList &lines);

// Throws DataFileError naming the file when it cannot be read.
QStringList readLines(const QString &path);
// Throws DataFileError naming the file when it cannot be written, or when a line holds a line
// break; the old file then stays.
void writeLines(const QString &path, const QStringList &lines);
void writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace kirveno
