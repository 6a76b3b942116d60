#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Replacing a file so that a kill or a power cut at any instant leaves either the old file or
// the new one: the new bytes go into a temporary file beside it ("<name>.tmp-<process id>"),
// which is flushed to disk, renamed over the file, and the folder is flushed after the rename.
namespace kirveno {

// The steps of the writes, in their order, as a test sees them.
enum class WriteStep {
    CreateTemporary,
    WriteTemporary,
    FlushTemporary,
    Rename,
    FlushFolder,
    Remove,
};

const char *writeStepName(WriteStep step);

// Called before every step of every write with the file the step is about. A test uses it to
// stop the process at a chosen step, or returns true to make the step fail as if the system had
// refused it. Null (the default) does nothing.
using WriteStepHook = bool (*)(WriteStep step, const QString &path);
void setWriteStepHook(WriteStepHook hook);

// Throws DataFileError naming the file when it cannot be written; the old file then stays and
// no temporary file is left.
void writeFileAtomically(const QString &path, const QByteArray &bytes);

// Removes the file and flushes its folder. A file that is not there is no error.
void removeFileDurably(const QString &path);

// Removes the temporary files of the given files that a killed process left in the folder, and
// only those: "<name>.tmp-<id>" where <name> is one of the names and no process <id> is running.
void removeStrayTemporaries(const QString &folder, const QStringList &names);

} // namespace kirveno
