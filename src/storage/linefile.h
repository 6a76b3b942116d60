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

// One file of a command that changes several: its lines as read, and as they are to be.
struct FileChange
{
    QString path;
    QStringList before;
    QStringList after;
};

using LineWriter = void (*)(const QString &path, const QStringList &lines);

// Writes the files in order. When one cannot be written, those already written get their former
// lines back, so that the command has changed nothing and can safely be tried again; the error
// is then thrown on (saying so, should a file not go back).
void writeAllOrNothing(const QList<FileChange> &changes, LineWriter write = writeLines);

} // namespace kirveno
