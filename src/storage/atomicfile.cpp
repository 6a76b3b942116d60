#include "atomicfile.h"

#include "datafileerror.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

namespace kirveno {
namespace {

WriteStepHook stepHook = nullptr;

const QString temporaryMark = QStringLiteral(".tmp-");

// Runs the hook; a step the hook refuses fails as an input/output error would.
bool stepRefused(WriteStep step, const QString &path)
{
    if (stepHook && stepHook(step, path)) {
        errno = EIO;
        return true;
    }
    return false;
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void throwNotWritten(const QString &path, int error)
{
    throw DataFileError(path, u"000192", {systemError(error)});
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    // Closing reports what a delayed write-back could not do.
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

// Makes the rename or the removal of the file last through a power cut.
bool flushFolderOf(const QString &file)
{
    if (stepRefused(WriteStep::FlushFolder, file))
        return false;
    const Descriptor dir(::open(QFile::encodeName(QFileInfo(file).absolutePath()).constData(),
                                O_RDONLY | O_DIRECTORY));
    return dir.get() >= 0 && ::fsync(dir.get()) == 0;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

bool processIsRunning(qint64 id)
{
    return id > 0 && id <= std::numeric_limits<pid_t>::max()
           && (::kill(pid_t(id), 0) == 0 || errno == EPERM);
}

} // namespace

const char *writeStepName(WriteStep step)
{
    switch (step) {
    case WriteStep::CreateTemporary:
        return "create the temporary file";
    case WriteStep::WriteTemporary:
        return "write the temporary file";
    case WriteStep::FlushTemporary:
        return "flush the temporary file";
    case WriteStep::Rename:
        return "rename it over the file";
    case WriteStep::FlushFolder:
        return "flush the folder";
    case WriteStep::Remove:
        return "remove a file";
    }
    return "";
}

void setWriteStepHook(WriteStepHook hook)
{
    stepHook = hook;
}

void writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString temporary = path + temporaryMark + QString::number(::getpid());
    const QByteArray temporaryName = QFile::encodeName(temporary);
    // Keeps the permissions an operator gave the file.
    struct stat old = {};
    const mode_t mode =
        ::stat(QFile::encodeName(path).constData(), &old) == 0 ? old.st_mode & 07777 : 0666;

    if (stepRefused(WriteStep::CreateTemporary, path))
        throwNotWritten(path, errno);
    Descriptor fd(
        ::open(temporaryName.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode));
    if (fd.get() < 0)
        throwNotWritten(path, errno);
    const auto fail = [&] {
        const int error = errno;
        ::unlink(temporaryName.constData());
        throwNotWritten(path, error);
    };
    if (stepRefused(WriteStep::WriteTemporary, path) || !writeAll(fd.get(), bytes))
        fail();
    if (stepRefused(WriteStep::FlushTemporary, path) || ::fsync(fd.get()) != 0 || !fd.close())
        fail();
    if (stepRefused(WriteStep::Rename, path)
        || ::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0)
        fail();
    // The new file is in place; without this flush a power cut could still bring the old one
    // back, so a failure here is reported all the same.
    if (!flushFolderOf(path))
        throwNotWritten(path, errno);
}

void removeFileDurably(const QString &path)
{
    if (stepRefused(WriteStep::Remove, path)
        || (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        || !flushFolderOf(path))
        throw DataFileError(path, u"000211", {systemError(errno)});
}

void removeStrayTemporaries(const QString &folder, const QStringList &names)
{
    const QDir dir(folder);
    // One listing, matched by hand: a name filter would compile a regular expression a name.
    const QStringList entries = dir.entryList(QDir::Files);
    for (const QString &name : names) {
        const QString prefix = name + temporaryMark;
        for (const QString &entry : entries) {
            if (!entry.startsWith(prefix))
                continue;
            const QStringView digits = QStringView(entry).sliced(prefix.size());
            const bool isNumber = !digits.isEmpty() && digits.size() <= 10
                                  && std::all_of(digits.begin(), digits.end(), [](QChar c) {
                                         return c >= QLatin1Char('0') && c <= QLatin1Char('9');
                                     });
            const qint64 id = isNumber ? digits.toLongLong() : 0;
            if (isNumber && (id == ::getpid() || !processIsRunning(id)))
                ::unlink(QFile::encodeName(dir.filePath(entry)).constData());
        }
    }
}

} // namespace kirveno
