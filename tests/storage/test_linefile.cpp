#include "storage/codepage.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "support/englishmessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace kirveno;
using kirveno::testing::englishMessage;

class TestLineFile : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesReadAndWrite()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all.append(char(b));
        QCOMPARE(encode1254(decode1254(all)), all);

        // Through a file: every byte but the two that end lines, as one line.
        QByteArray line = all;
        line.replace('\r', QByteArray()).replace('\n', QByteArray());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("all.dat"));
        writeLines(path, {decode1254(line), QStringLiteral("next")});
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), line + "\r\nnext\r\n");
        const QStringList back = readLines(path);
        QCOMPARE(back.size(), 2);
        QCOMPARE(encode1254(back[0]), line);
    }

    void turkishLettersDecode()
    {
        QCOMPARE(decode1254("\xD0\xDD\xDE\xF0\xFD\xFE\x80"), QStringLiteral("ĞİŞğış€"));
        QVERIFY(fitsCodePage(u"Çay Ocağı İşletmesi"));
        QVERIFY(!fitsCodePage(u"Café ☕"));
        QVERIFY(!fitsCodePage(u"Ž")); // a Windows-1252 letter the Turkish code page lacks
    }

    void lineEnds_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("lone LF") << QByteArray("a\nb") << QStringList{"a", "b"};
        QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << QStringList{"a", "b", "c", "d"};
        QTest::newRow("empty lines kept")
            << QByteArray("a\r\n\r\n\nb\r\n") << QStringList{"a", "", "", "b"};
        QTest::newRow("LF CR is two ends") << QByteArray("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty file") << QByteArray() << QStringList{};
        QTest::newRow("one empty line") << QByteArray("\r\n") << QStringList{""};
    }

    void lineEnds()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLines(bytes), lines);
    }

    void writingEndsEveryLineWithCrLf()
    {
        QCOMPARE(joinLines({"a", "", "b"}), QByteArray("a\r\n\r\nb\r\n"));
        QCOMPARE(joinLines({}), QByteArray());
    }

    void aLineBreakInsideALineIsRefused()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zaman.dat"));
        writeLines(path, {QStringLiteral("0"), QStringLiteral("0")});
        try {
            writeLines(path, {QStringLiteral("Ali\nVeli"), QStringLiteral("0")});
            QFAIL("a line break was written inside a line");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(path));
        }
        QCOMPARE(readAll(path), QByteArray("0\r\n0\r\n"));
    }

    void missingFileNamesIt()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gunluk.dat"));
        try {
            readLines(path);
            QFAIL("no error");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(path));
        }
    }

    // A write that the disk cuts short must leave the old file, not a truncated new one.
    void failedWriteLeavesTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("gunluk.dat"));
        writeLines(path, {QStringLiteral("07.12.2026"), QStringLiteral("old record")});
        const QByteArray before = QFile(path).exists() ? readAll(path) : QByteArray();

        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = 4096; // the file system "fills up" after 4 KiB
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        bool failed = false;
        try {
            writeLines(path, QStringList(1000, QStringLiteral("a line of the new, longer file")));
        } catch (const DataFileError &error) {
            failed = englishMessage(error).contains(path);
        }
        setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(failed);
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"gunluk.dat"});
    }

private:
    static QByteArray readAll(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }
};

QTEST_APPLESS_MAIN(TestLineFile)
#include "test_linefile.moc"
