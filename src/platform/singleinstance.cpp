#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <QThread>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

// The socket is a plain Unix-domain socket rather than Qt Network's local server, which would
// load Qt Network and its Kerberos libraries at every start for one line of text.

namespace kirveno {
namespace {

QString userName()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("user") : user;
}

QByteArray inTemporaryFolder(const QString &key)
{
    return QFile::encodeName(QDir::temp().filePath(key));
}

QByteArray lockPath(const QString &key)
{
    return inTemporaryFolder(key + QStringLiteral(".lock"));
}

// A stream socket with the address of the key; -1 when the path does not fit an address.
int unixSocket(const QString &key, sockaddr_un &address, int flags = 0)
{
    const QByteArray path = inTemporaryFolder(key);
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.constData(), path.size());
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | flags, 0);
}

// The running copy may be between taking the lock and listening: keep trying for a moment.
void askToRaise(const QString &key)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        sockaddr_un address;
        const int socket = unixSocket(key, address);
        if (socket < 0)
            return;
        const bool connected =
            ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
        if (connected)
            // The running copy may close before reading: that must not end this process.
            (void)!::send(socket, "raise\n", 6, MSG_NOSIGNAL);
        ::close(socket);
        if (connected)
            return;
        QThread::msleep(50);
    }
}

} // namespace

QString desktopSession(const QString &platform, const QString &xDisplay,
                       const QString &waylandDisplay)
{
    if (platform == QLatin1String("xcb")) {
        // host:display.screen, where the host may hold dots and colons of its own.
        const qsizetype screen = xDisplay.indexOf(u'.', xDisplay.lastIndexOf(u':'));
        return screen < 0 ? xDisplay : xDisplay.left(screen);
    }
    if (platform.startsWith(QLatin1String("wayland"))) // wayland, wayland-egl ...
        return waylandDisplay.isEmpty() ? QStringLiteral("wayland-0") : waylandDisplay;
    return platform;
}

QString SingleInstance::serverName(const QString &title, const QString &desktop)
{
    // Hashed, as a display or a title can be longer than a socket path may be. No environment
    // value holds a NUL, so no two pairs run together.
    const QByteArray hash = QCryptographicHash::hash(desktop.toUtf8() + '\0' + title.toUtf8(),
                                                     QCryptographicHash::Sha1);
    return QStringLiteral("kirveno-%1-%2")
        .arg(userName(), QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(const QString &title)
    : m_key(serverName(title, desktopSession(QGuiApplication::platformName(),
                                             qEnvironmentVariable("DISPLAY"),
                                             qEnvironmentVariable("WAYLAND_DISPLAY"))))
{}

SingleInstance::~SingleInstance()
{
    release();
}

bool SingleInstance::claim(std::function<void()> raise)
{
    if (!lock()) {
        askToRaise(m_key);
        return false;
    }
    ::unlink(inTemporaryFolder(m_key).constData()); // a socket left behind by a crash
    sockaddr_un address;
    m_socket = unixSocket(m_key, address, SOCK_NONBLOCK);
    if (m_socket < 0)
        return true; // the lock alone still keeps a second copy out
    // Only this user may connect: the socket is made inside a mask that shuts out the others.
    const mode_t mask = ::umask(077);
    const bool bound =
        ::bind(m_socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::umask(mask);
    if (!bound || ::listen(m_socket, 8) != 0)
        return true;
    m_listening = new QSocketNotifier(m_socket, QSocketNotifier::Read, this);
    QObject::connect(
        m_listening, &QSocketNotifier::activated, this, [this, raise = std::move(raise)] {
            int caller;
            while ((caller = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC)) >= 0) {
                ::close(caller);
                raise();
            }
        });
    return true;
}

// The kernel lets the lock go when its holder ends, however it ends: a crash leaves no stale
// lock behind, and nothing needs to be written to the disk to take it.
bool SingleInstance::lock()
{
    const QByteArray path = lockPath(m_key);
    for (;;) {
        const int file = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (file < 0)
            return false;
        if (::flock(file, LOCK_EX | LOCK_NB) != 0) {
            ::close(file);
            return false;
        }
        // The copy before may have removed the file as it let go of it: the lock only counts
        // on the file that is still in the folder.
        struct stat held = {};
        struct stat named = {};
        if (::fstat(file, &held) == 0 && ::stat(path.constData(), &named) == 0
            && held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            m_lock = file;
            return true;
        }
        ::close(file);
    }
}

void SingleInstance::release()
{
    delete m_listening;
    m_listening = nullptr;
    if (m_socket >= 0) {
        ::close(m_socket);
        ::unlink(inTemporaryFolder(m_key).constData());
        m_socket = -1;
    }
    if (m_lock >= 0) {
        // Removed while still locked, so that no file is left behind; a copy that opened it
        // just before finds it gone once it has the lock.
        ::unlink(lockPath(m_key).constData());
        ::close(m_lock);
        m_lock = -1;
    }
}

} // namespace kirveno
