#include "singleinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

namespace kirveno {
namespace {

QString userName()
{
    const QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME"));
    return user.isEmpty() ? QStringLiteral("user") : user;
}

// The running copy may be between taking the lock and listening: keep trying for a moment.
void askToRaise(const QString &key)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 3000) {
        QLocalSocket socket;
        socket.connectToServer(key);
        if (socket.waitForConnected(500)) {
            socket.write("raise\n");
            socket.waitForBytesWritten(500);
            socket.disconnectFromServer();
            return;
        }
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
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_key + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0); // only a dead owner makes the lock stale
    if (!m_lock->tryLock(0)) {
        m_lock.reset();
        askToRaise(m_key);
        return false;
    }
    QLocalServer::removeServer(m_key); // a socket left behind by a crash
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(m_server, &QLocalServer::newConnection, this,
                     [this, raise = std::move(raise)] {
                         while (QLocalSocket *socket = m_server->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                             raise();
                         }
                     });
    m_server->listen(m_key);
    return true;
}

void SingleInstance::release()
{
    if (m_server) {
        m_server->close();
        delete m_server;
        m_server = nullptr;
    }
    m_lock.reset();
}

} // namespace kirveno
