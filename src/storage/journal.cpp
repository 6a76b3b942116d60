#include "journal.h"

#include "atomicfile.h"
#include "datafileerror.h"
#include "linefile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace kirveno {
namespace {

constexpr QByteArrayView firstLine = "Kirveno LT journal 1\n";
constexpr QByteArrayView lastLineStart = "end ";

QByteArray checksum(QByteArrayView bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool isPlainFileName(const QString &name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
           && name != QLatin1String(journalFileName) && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\n')) && !name.contains(QChar(0));
}

QString journalOf(const QString &folder)
{
    return QDir(folder).filePath(QLatin1String(journalFileName));
}

// The bytes of the file as it is now; nothing when there is no such file.
std::optional<QByteArray> bytesNow(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    return readBytes(path);
}

// Puts back what the file held before the change, when it holds something else now.
void putBack(const QString &path, const std::optional<QByteArray> &before)
{
    if (bytesNow(path) == before)
        return;
    if (before)
        writeFileAtomically(path, *before);
    else
        removeFileDurably(path);
}

} // namespace

QByteArray journalBytes(const QList<JournalFile> &files)
{
    QByteArray bytes(firstLine.toByteArray());
    for (const JournalFile &file : files) {
        bytes += QByteArray::number(file.bytes.size()) + ' ' + QFile::encodeName(file.name) + '\n';
        bytes += file.bytes;
        bytes += '\n';
    }
    bytes += lastLineStart.toByteArray() + checksum(bytes) + '\n';
    return bytes;
}

std::optional<QList<JournalFile>> parseJournal(QByteArrayView bytes)
{
    if (!bytes.startsWith(firstLine))
        return std::nullopt;
    QList<JournalFile> files;
    qsizetype at = firstLine.size();
    while (!bytes.sliced(at).startsWith(lastLineStart)) {
        const qsizetype lineEnd = bytes.indexOf('\n', at);
        const qsizetype blank = bytes.indexOf(' ', at);
        if (lineEnd < 0 || blank < 0 || blank > lineEnd)
            return std::nullopt;
        bool isSize = false;
        const qsizetype size = bytes.sliced(at, blank - at).toLongLong(&isSize);
        const qsizetype begin = lineEnd + 1;
        if (!isSize || size < 0 || size > bytes.size() - begin - 1 || bytes[begin + size] != '\n')
            return std::nullopt;
        const QString name =
            QFile::decodeName(bytes.sliced(blank + 1, lineEnd - blank - 1).toByteArray());
        if (!isPlainFileName(name))
            return std::nullopt;
        files.append({name, bytes.sliced(begin, size).toByteArray()});
        at = begin + size + 1;
    }
    const QByteArrayView rest = bytes.sliced(at + lastLineStart.size());
    if (files.isEmpty() || rest != checksum(bytes.first(at)) + '\n')
        return std::nullopt;
    return files;
}

void refuseWhileUnfinished(const QString &folder)
{
    const QString journal = journalOf(folder);
    if (QFileInfo::exists(journal))
        throw DataFileError(journal, u"000205");
}

void commitChange(const QList<FileChange> &changes)
{
    Q_ASSERT(!changes.isEmpty());
    const QString folder = QFileInfo(changes.first().path).absolutePath();
    const QString journal = journalOf(folder);
    refuseWhileUnfinished(folder);
    QList<JournalFile> files;
    QList<std::optional<QByteArray>> before;
    for (const FileChange &change : changes) {
        const QFileInfo file(change.path);
        Q_ASSERT(file.absolutePath() == folder);
        files.append({file.fileName(), bytesToWrite(change.path, change.lines)});
        before.append(bytesNow(change.path));
    }
    // Files before `done` may have been replaced; the journal may be in place from the start
    // (a failed flush of its folder comes after its rename).
    qsizetype done = -1;
    try {
        writeFileAtomically(journal, journalBytes(files));
        for (done = 0; done < changes.size(); ++done)
            writeFileAtomically(changes[done].path, files[done].bytes);
    } catch (DataFileError &error) {
        try {
            for (qsizetype i = std::min(done, changes.size() - 1); i >= 0; --i)
                putBack(changes[i].path, before[i]);
            removeFileDurably(journal);
        } catch (const DataFileError &) {
            error.append(u"000204");
        }
        throw;
    }
    removeFileDurably(journal);
}

void completeUnfinishedChange(const QString &folder)
{
    const QString journal = journalOf(folder);
    const std::optional<QByteArray> bytes = bytesNow(journal);
    if (!bytes)
        return;
    const auto files = parseJournal(*bytes);
    if (!files)
        throw DataFileError(journal, u"000206");
    for (const JournalFile &file : *files)
        writeFileAtomically(QDir(folder).filePath(file.name), file.bytes);
    removeFileDurably(journal);
}

} // namespace kirveno
