#pragma once

#include <QLockFile>
#include <QObject>
#include <functional>
#include <memory>

class QLocalServer;

namespace kirveno {

// One running copy per user and board title: the first process holds a lock file and listens on
// a local socket; a later one finds the lock taken, asks the first to come forward through the
// socket and gives up. A lock left by a crashed process is taken over.
class SingleInstance : public QObject
{
public:
    explicit SingleInstance(const QString &title);
    ~SingleInstance() override;

    // The local socket the running copy for this title listens on.
    static QString serverName(const QString &title);

    // True when this process is now the one; false after asking the running one to come forward.
    bool claim(std::function<void()> raise);
    // Gives the claim up, so that a restarted program can take it while this one is closing.
    void release();

private:
    QString m_key;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace kirveno
