#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <optional>

// A change that touches several files of one folder is written as one: first the new contents of
// every file go into a journal beside them, then the files are replaced, then the journal is
// removed. A start after a kill or a power cut finds a journal only when the change may be
// unfinished, and writes the files again from it, so it finds the whole change or none of it.
namespace kirveno {

inline constexpr auto journalFileName = "kirveno.journal";

// One file of a change, with the lines it is to hold.
struct FileChange
{
    QString path;
    QStringList lines;
};

// Writes the files (all in one folder) as one change. When a file cannot be written, those
// already replaced get their former bytes back and the journal goes: the command has changed
// nothing and can be tried again. Should that fail too, the journal stays, the error says so,
// and every later write to the folder is refused until the next start completes the change.
// Throws DataFileError naming the file at fault.
void commitChange(const QList<FileChange> &changes);

// Run at start-up before any data file is read: completes a change that a kill or a power cut
// interrupted. Throws DataFileError naming the journal when it is not one this program wrote,
// or when the change cannot be completed now (the journal then stays for the next start).
void completeUnfinishedChange(const QString &folder);

// Throws DataFileError naming the journal while the folder holds a change that could neither be
// finished nor taken back: a write now would be undone by the start that completes it.
void refuseWhileUnfinished(const QString &folder);

// The journal's form: its first line, then for every file a line with its size and name followed
// by its bytes, then a line with the SHA-256 of everything before it.
struct JournalFile
{
    QString name; // a plain file name in the journal's folder
    QByteArray bytes;
};
QByteArray journalBytes(const QList<JournalFile> &files);
// Nothing when the bytes are not a whole journal of this program.
std::optional<QList<JournalFile>> parseJournal(QByteArrayView bytes);

} // namespace kirveno
