#include "platform/singleinstance.h"
#include "support/programfolder.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <QUuid>

using kirveno::SingleInstance;
using kirveno::testing::ProgramFolder;

namespace {

QString uniqueTitle()
{
    return QStringLiteral("Kirveno LT v1.4     Test ") + QUuid::createUuid().toString();
}

bool waitForLine(QProcess &process, const QByteArray &line, int ms = 10000)
{
    QElapsedTimer waited;
    waited.start();
    QByteArray seen;
    while (waited.elapsed() < ms) {
        if (process.waitForReadyRead(100))
            seen += process.readAll();
        if (seen.split('\n').contains(line))
            return true;
        if (process.state() == QProcess::NotRunning && !process.bytesAvailable())
            return seen.split('\n').contains(line);
    }
    return false;
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void secondStartRaisesTheFirstAndEnds()
    {
        const QString title = uniqueTitle();
        QProcess first;
        first.start(QStringLiteral(PROBE), {title, QStringLiteral("hold")});
        QVERIFY(waitForLine(first, "first"));

        QProcess second;
        second.start(QStringLiteral(PROBE), {title, QStringLiteral("hold")});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QVERIFY(!second.readAllStandardOutput().contains("first"));
        QVERIFY(waitForLine(first, "raised"));
        stop(first);
    }

    void otherTitlesRunSideBySide()
    {
        QProcess a;
        QProcess b;
        a.start(QStringLiteral(PROBE), {uniqueTitle(), QStringLiteral("hold")});
        b.start(QStringLiteral(PROBE), {uniqueTitle(), QStringLiteral("hold")});
        QVERIFY(waitForLine(a, "first"));
        QVERIFY(waitForLine(b, "first"));
        stop(a);
        stop(b);
    }

    // A restart starts the new process while the old one is still closing.
    void restartedProgramComesUpWhileTheOldOneCloses()
    {
        const QString title = uniqueTitle();
        QProcess old;
        old.start(QStringLiteral(PROBE), {title, QStringLiteral("handover")});
        QVERIFY(waitForLine(old, "released"));
        QVERIFY(old.state() == QProcess::Running);
        QProcess restarted;
        restarted.start(QStringLiteral(PROBE), {title, QStringLiteral("hold")});
        QVERIFY(waitForLine(restarted, "first"));
        stop(restarted);
        stop(old);
    }

    void aCrashedOwnerIsTakenOver()
    {
        const QString title = uniqueTitle();
        QProcess crashed;
        crashed.start(QStringLiteral(PROBE), {title, QStringLiteral("hold")});
        QVERIFY(waitForLine(crashed, "first"));
        stop(crashed); // SIGKILL: lock file and socket stay behind
        QProcess next;
        next.start(QStringLiteral(PROBE), {title, QStringLiteral("hold")});
        QVERIFY(waitForLine(next, "first"));
        stop(next);
    }

    // The program itself: a second start with the same business name ends at once with 0.
    void secondProgramStartEndsWithZero()
    {
        ProgramFolder folder;
        QStringList settings = folder.lines(QStringLiteral("ayar.dat"));
        settings[0] = QUuid::createUuid().toString(QUuid::Id128).left(15);
        settings[16] = QStringLiteral("1");
        folder.write(QStringLiteral("ayar.dat"), settings);
        const QString program = folder.file(QStringLiteral("Kirveno"));
        QVERIFY(QFile::copy(QStringLiteral(PROGRAM), program));
        const QString server =
            SingleInstance::serverName(QStringLiteral("Kirveno LT v1.4     ") + settings[0]);

        QProcess first;
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(connects(server), 20000);
        QProcess second;
        second.start(program, {});
        QVERIFY(second.waitForFinished(20000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        stop(first);
    }

private:
    static bool connects(const QString &server)
    {
        QLocalSocket socket;
        socket.connectToServer(server);
        return socket.waitForConnected(200);
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
