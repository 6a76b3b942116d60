#include "modules/modules.h"
#include "platform/qtplatform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <memory>

using kirveno::QtPlatform;

namespace {

// What the player of the sound-holding test was asked, in order ("made" when it was made).
QStringList soundLog;

class LoggingPlayer : public kirveno::SoundPlayer
{
public:
    void prepare(const QString &wavPath) override
    {
        soundLog << QStringLiteral("prepare ") + wavPath;
    }
    void play(const QString &wavPath) override { soundLog << QStringLiteral("play ") + wavPath; }
};

kirveno::SoundPlayer *makeLoggingPlayer()
{
    soundLog << QStringLiteral("made");
    return new LoggingPlayer;
}

} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The bell and the cash register never hold up or stop the command that plays them.
    void soundsThatCannotPlayAreLeftOut()
    {
        auto platform = std::make_unique<QtPlatform>(QStringLiteral("Kirveno LT v1.4"));
        QTemporaryDir dir;
        const QString garbage = dir.filePath(QStringLiteral("zil01.wav"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a wave file");
        file.close();
        QElapsedTimer timer;
        timer.start();
        platform->playSound(dir.filePath(QStringLiteral("missing.wav")));
        platform->playSound(garbage);
        platform->playSound(garbage);
        QVERIFY2(timer.elapsed() < 5000, "playing waited for the sound");
        // Qt loads a sound on a thread of its own and hands the result back through the event
        // loop: let that finish, as the running program does, before the effects go.
        QTest::qWait(500);
        platform.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The bell rung while the board is built waits, with the audio libraries, for the board's
    // first paint; from then on sounds play at once.
    void soundsAskedForDuringTheStartWaitForTheFirstPaint()
    {
        soundLog.clear();
        QtPlatform platform(QStringLiteral("Kirveno LT v1.4"), &makeLoggingPlayer);
        platform.holdSounds();
        platform.playSound(QStringLiteral("zil01.wav"));
        platform.playSound(QStringLiteral("zil01.wav"));
        QWidget board;
        platform.playSoundsOnceShown(board,
                                     {QStringLiteral("zil01.wav"), QStringLiteral("kasa.wav")});
        QCoreApplication::processEvents();
        QVERIFY(soundLog.isEmpty());

        board.show();
        QVERIFY(QTest::qWaitFor([] { return !soundLog.isEmpty(); }));
        QCOMPARE(soundLog,
                 QStringList({QStringLiteral("made"), QStringLiteral("prepare zil01.wav"),
                              QStringLiteral("prepare kasa.wav"), QStringLiteral("play zil01.wav"),
                              QStringLiteral("play zil01.wav")}));
        soundLog.clear();
        platform.playSound(QStringLiteral("kasa.wav"));
        QCOMPARE(soundLog, QStringList({QStringLiteral("play kasa.wav")}));
    }

    void machineFacts()
    {
        QtPlatform platform(QStringLiteral("Kirveno LT v1.4"));
        QVERIFY(platform.totalPhysicalMemory() > 64ull * 1024 * 1024);
        QVERIFY(!platform.operatingSystem().trimmed().isEmpty());
        QVERIFY(!platform.weekdayName(QDate(2026, 12, 7)).isEmpty());
        QVERIFY(qAbs(platform.now().secsTo(QDateTime::currentDateTime())) < 5);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "test_qtplatform.moc"
