#include "platform/singleinstance.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QUuid>

using kirveno::desktopSession;
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

// Where a process shows its windows is the test's choice, not that of whoever runs the test.
QProcessEnvironment onPlatform(const QString &platform, const QString &display = {})
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    if (!display.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display);
    return environment;
}

void startProbe(QProcess &probe, const QString &title, const QString &mode,
                const QProcessEnvironment &environment = onPlatform(QStringLiteral("offscreen")))
{
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(PROBE), {title, mode});
}

// An X server of the test's own on a display number the server itself finds free, so that it
// never meets another X server of this machine.
class XServer
{
public:
    XServer()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            m_problem = QStringLiteral("Xvfb is not installed (Debian package xvfb)");
            return;
        }
        // With -displayfd the server writes its display number once it takes connections.
        m_process.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"),
                               QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                               QStringLiteral("-screen"), QStringLiteral("0"),
                               QStringLiteral("640x480x24")});
        while (!m_process.canReadLine() && m_process.waitForReadyRead(10000)) {
        }
        const QByteArray number = m_process.readLine().trimmed();
        if (number.isEmpty())
            m_problem = QStringLiteral("Xvfb could not start: ")
                        + QString::fromLocal8Bit(m_process.readAllStandardError().right(300));
        else
            m_display = QLatin1Char(':') + QString::fromLatin1(number);
    }
    ~XServer()
    {
        m_process.terminate(); // lets the server take its socket and lock file away
        if (!m_process.waitForFinished(5000))
            stop(m_process);
    }
    QString display() const { return m_display; }
    QString problem() const { return m_problem; }

private:
    QProcess m_process;
    QString m_display;
    QString m_problem;
};

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT

private slots:
    void desktopSessionOfAPlatform_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("desktop");
        const auto row = [](const char *name, const char *platform, const char *display,
                            const char *waylandDisplay, const char *desktop) {
            QTest::newRow(name) << QString::fromUtf8(platform) << QString::fromUtf8(display)
                                << QString::fromUtf8(waylandDisplay) << QString::fromUtf8(desktop);
        };
        row("X display", "xcb", ":1", "", ":1");
        row("X display with its screen", "xcb", ":1.0", "", ":1");
        row("X display with another screen", "xcb", ":1.2", "", ":1");
        row("X display of a host", "xcb", "localhost:10.0", "", "localhost:10");
        row("dots in the host stay", "xcb", "board.cafe.example:2.1", "", "board.cafe.example:2");
        row("unix host stays", "xcb", "unix:0.0", "", "unix:0");
        row("X beside Wayland", "xcb", ":0", "wayland-0", ":0");
        row("Wayland socket", "wayland", ":0", "wayland-1", "wayland-1");
        row("Wayland by default", "wayland", "", "", "wayland-0");
        row("Wayland with EGL", "wayland-egl", "", "wayland-2", "wayland-2");
        row("offscreen", "offscreen", ":1", "wayland-1", "offscreen");
    }

    void desktopSessionOfAPlatform()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, desktop);
        QCOMPARE(desktopSession(platform, display, waylandDisplay), desktop);
    }

    void secondStartRaisesTheFirstAndEnds()
    {
        const QString title = uniqueTitle();
        QProcess first;
        startProbe(first, title, QStringLiteral("hold"));
        QVERIFY(waitForLine(first, "first"));

        QProcess second;
        startProbe(second, title, QStringLiteral("hold"));
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
        startProbe(a, uniqueTitle(), QStringLiteral("hold"));
        startProbe(b, uniqueTitle(), QStringLiteral("hold"));
        QVERIFY(waitForLine(a, "first"));
        QVERIFY(waitForLine(b, "first"));
        stop(a);
        stop(b);
    }

    // A restart starts the new process while the old one is still closing. A claim given up
    // leaves nothing behind in the temporary folder.
    void restartedProgramComesUpWhileTheOldOneCloses()
    {
        const QString title = uniqueTitle();
        const QString server =
            SingleInstance::serverName(title, desktopSession(QStringLiteral("offscreen"), {}, {}));
        QProcess old;
        startProbe(old, title, QStringLiteral("handover"));
        QVERIFY(waitForLine(old, "first"));
        QVERIFY(QFile::exists(QDir::temp().filePath(server + QStringLiteral(".lock"))));
        QVERIFY(waitForLine(old, "released"));
        QVERIFY(old.state() == QProcess::Running);
        QVERIFY(!QFile::exists(QDir::temp().filePath(server + QStringLiteral(".lock"))));
        QVERIFY(!QFile::exists(QDir::temp().filePath(server)));
        QProcess restarted;
        startProbe(restarted, title, QStringLiteral("hold"));
        QVERIFY(waitForLine(restarted, "first"));
        stop(restarted);
        stop(old);
    }

    void aCrashedOwnerIsTakenOver()
    {
        const QString title = uniqueTitle();
        QProcess crashed;
        startProbe(crashed, title, QStringLiteral("hold"));
        QVERIFY(waitForLine(crashed, "first"));
        stop(crashed); // SIGKILL: lock file and socket stay behind
        QProcess next;
        startProbe(next, title, QStringLiteral("hold"));
        QVERIFY(waitForLine(next, "first"));
        stop(next);
    }

    // The same board title on two X displays of one user: two boards, and a start on one display
    // (named with its screen this time) brings forward the board of that display only.
    void boardsOnTwoDisplaysAreApart()
    {
        const XServer one;
        const XServer two;
        if (!one.problem().isEmpty() || !two.problem().isEmpty())
            QSKIP(qPrintable(one.problem().isEmpty() ? two.problem() : one.problem()));
        const QString title = uniqueTitle();
        QProcess first;
        QProcess second;
        startProbe(first, title, QStringLiteral("hold"),
                   onPlatform(QStringLiteral("xcb"), one.display()));
        startProbe(second, title, QStringLiteral("hold"),
                   onPlatform(QStringLiteral("xcb"), two.display()));
        QVERIFY(waitForLine(first, "first"));
        QVERIFY(waitForLine(second, "first"));

        QProcess third;
        startProbe(third, title, QStringLiteral("hold"),
                   onPlatform(QStringLiteral("xcb"), one.display() + QStringLiteral(".0")));
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(third.exitStatus(), QProcess::NormalExit);
        QCOMPARE(third.exitCode(), 0);
        QVERIFY(!third.readAllStandardOutput().contains("first"));
        QVERIFY(waitForLine(first, "raised"));
        QVERIFY(!second.readAllStandardOutput().contains("raised"));
        stop(first);
        stop(second);
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
            SingleInstance::serverName(QStringLiteral("Kirveno LT v1.4     ") + settings[0],
                                       desktopSession(QStringLiteral("offscreen"), {}, {}));

        QProcess first;
        first.setProcessEnvironment(onPlatform(QStringLiteral("offscreen")));
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(connects(server), 20000);
        QProcess second;
        second.setProcessEnvironment(onPlatform(QStringLiteral("offscreen")));
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
