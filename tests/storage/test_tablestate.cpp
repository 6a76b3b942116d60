#include "storage/datafileerror.h"
#include "storage/tablestate.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;
using kirveno::testing::ProgramFolder;

class TestTableState : public QObject
{
    Q_OBJECT

private slots:
    void openingOneTableChangesItsFourLinesOnly()
    {
        ProgramFolder folder;
        const QString path = folder.file(QStringLiteral("zaman.dat"));
        TableState tables = TableState::load(path);
        for (int t = 0; t < tableSlots; ++t)
            QVERIFY(!tables.isOpen(t));
        tables.setRecord(2, {QStringLiteral("Kirveno"), QStringLiteral("21:07"),
                             QStringLiteral("05,50"), QStringLiteral("0")});
        tables.save(path);
        const QStringList lines = folder.lines(QStringLiteral("zaman.dat"));
        QCOMPARE(lines.size(), 120);
        for (int i = 0; i < 120; ++i) {
            if (i < 8 || i > 11)
                QCOMPARE(lines[i], QStringLiteral("0"));
        }
        QCOMPARE(lines.mid(8, 4), (QStringList{"Kirveno", "21:07", "05,50", "0"}));
        QCOMPARE(TableState::load(path).limit(2), 550);
    }

    void openIsDecidedByTheStartLineAlone()
    {
        ProgramFolder folder;
        folder.openTable(0, QStringLiteral("0"), QStringLiteral("09:05"));
        const TableState tables = TableState::load(folder.file(QStringLiteral("zaman.dat")));
        QVERIFY(tables.isOpen(0));
        QCOMPARE(tables.record(0).name, QStringLiteral("0"));
    }

    void swapExchangesWholeRecords()
    {
        TableState tables;
        tables.setRecord(1, {QStringLiteral("Ali"), QStringLiteral("10:00"),
                             QStringLiteral("02,00"), QStringLiteral("00,50")});
        const TableState before = tables;
        tables.swap(1, 4);
        QCOMPARE(tables.lines().mid(16, 4), before.lines().mid(4, 4));
        QCOMPARE(tables.lines().mid(4, 4), before.lines().mid(16, 4));
        QCOMPARE(tables.lines().size(), 120);
    }

    void damagedFilesAreRefusedWithFileAndLine_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("named");
        QTest::newRow("start not a time") << 5 << "9:05"
                                          << "Line 6 holds \"9:05\"";
        QTest::newRow("start hour out of range") << 1 << "24:00"
                                                 << "Line 2";
        QTest::newRow("limit not an amount") << 2 << "abc"
                                             << "Line 3 holds \"abc\"";
        QTest::newRow("addition without comma") << 119 << "0550"
                                                << "Line 120";
    }

    void damagedFilesAreRefusedWithFileAndLine()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, named);
        ProgramFolder folder;
        folder.setLine(QStringLiteral("zaman.dat"), line, text);
        const QByteArray before = folder.bytes(QStringLiteral("zaman.dat"));
        try {
            TableState::load(folder.file(QStringLiteral("zaman.dat")));
            QFAIL("a damaged file was taken");
        } catch (const DataFileError &error) {
            QVERIFY2(englishMessage(error).contains(named), qPrintable(englishMessage(error)));
            QVERIFY(englishMessage(error).contains(QStringLiteral("zaman.dat")));
        }
        QCOMPARE(folder.bytes(QStringLiteral("zaman.dat")), before);
    }

    void shortFileIsRefused()
    {
        try {
            TableState::fromLines(QStringList(119, QStringLiteral("0")),
                                  QStringLiteral("zaman.dat"));
            QFAIL("a short file was taken");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(QStringLiteral("119 lines")));
        }
    }

    void clockTexts()
    {
        QCOMPARE(minutesOfClock(u"00:00"), 0);
        QCOMPARE(minutesOfClock(u"23:59"), 1439);
        QCOMPARE(minutesOfClock(u"09:05"), 545);
        QCOMPARE(minutesOfClock(u"0"), -1);
        QCOMPARE(minutesOfClock(u"12:60"), -1);
        QCOMPARE(minutesOfClock(u"1a:00"), -1);
        QCOMPARE(minutesOfClock(u""), -1);
    }
};

QTEST_APPLESS_MAIN(TestTableState)
#include "test_tablestate.moc"
