#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace kirveno {

// The desktop session a process of the Qt platform `platform` shows its windows on, from the
// DISPLAY and WAYLAND_DISPLAY it was given: the X display without its screen (":1.0" and ":1"
// are one desktop), the Wayland socket, or the platform itself for the others (offscreen ...).
QString desktopSession(const QString &platform, const QString &xDisplay,
                       const QString &waylandDisplay);

// One running copy per user, board title and desktop session: the first process holds a lock
// file and listens on a local socket; a later one finds the lock taken, asks the first to come
// forward through the socket and gives up. A lock left by a crashed process is taken over. A
// board on another display of the same user is another board: it must neither stop this one
// from starting nor be the one that comes forward.
class SingleInstance : public QObject
{
public:
    // On the desktop session the QGuiApplication of this process shows its windows on.
    explicit SingleInstance(const QString &title);
    ~SingleInstance() override;

    // The name of the local socket (in the temporary folder) the running copy for this title on
    // this desktop session listens on.
    static QString serverName(const QString &title, const QString &desktop);

    // True when this process is now the one; false after asking the running one to come forward.
    bool claim(std::function<void()> raise);
    // Gives the claim up, so that a restarted program can take it while this one is closing.
    void release();

private:
    // Takes the lock file of the key; false when another process holds it (or it cannot be made).
    bool lock();

    QString m_key;
    int m_lock = -1; // the locked file, while this process is the one
    int m_socket = -1;
    QSocketNotifier *m_listening = nullptr;
};

} // namespace kirveno
