#include "platform/qtplatform.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using kirveno::QtPlatform;

class TestQtPlatform : public QObject
{
    Q_OBJECT

private slots:
    // The bell and the cash register never hold up or stop the command that plays them.
    void soundsThatCannotPlayAreLeftOut()
    {
        QtPlatform platform(QStringLiteral("Kirveno LT v1.4"));
        QTemporaryDir dir;
        const QString garbage = dir.filePath(QStringLiteral("zil01.wav"));
        QFile file(garbage);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("this is not a wave file");
        file.close();
        QElapsedTimer timer;
        timer.start();
        platform.playSound(dir.filePath(QStringLiteral("missing.wav")));
        platform.playSound(garbage);
        platform.playSound(garbage);
        QVERIFY2(timer.elapsed() < 5000, "playing waited for the sound");
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
