#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QFile>
#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;
using kirveno::testing::ProgramFolder;

namespace {

const QString daily = QStringLiteral("gunluk.dat");
const QString monthly = QStringLiteral("aylik.dat");

LedgerPaths pathsOf(const ProgramFolder &folder)
{
    return {folder.file(daily), folder.file(monthly)};
}

ClosedSession session(const QString &name, Cents total)
{
    return {name, QStringLiteral("21:07"), QStringLiteral("23:15"), total};
}

void bookKirveno(const ProgramFolder &folder)
{
    commitChange(bookingChanges(pathsOf(folder), session(QStringLiteral("Kirveno"), 550),
                                QDate(2026, 12, 7)));
}

} // namespace

class TestLedgers : public QObject
{
    Q_OBJECT

private slots:
    void dailyRecordLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("record");
        QTest::newRow("seven letters")
            << "Kirveno" << 550ll << "Kirveno        21:07 ---- 23:15 ---- 05,50-";
        QTest::newRow("fifteen letters, no padding")
            << "ABCDEFGHIJKLMNO" << 1200ll << "ABCDEFGHIJKLMNO21:07 ---- 23:15 ---- 12,00-";
        QTest::newRow("three letters, twelve blanks")
            << "Ali" << 50ll << "Ali            21:07 ---- 23:15 ---- 00,50-";
        QTest::newRow("empty name") << "" << 0ll << "               21:07 ---- 23:15 ---- 00,00-";
        QTest::newRow("a hundred or more grows the field")
            << "Kirveno" << 12345ll << "Kirveno        21:07 ---- 23:15 ---- 123,45-";
        QTest::newRow("a longer name moves the total")
            << "ABCDEFGHIJKLMNOPQ" << 550ll << "ABCDEFGHIJKLMNOPQ21:07 ---- 23:15 ---- 05,50-";
    }

    void dailyRecordLayout()
    {
        QFETCH(QString, name);
        QFETCH(qint64, total);
        QFETCH(QString, record);
        const QString built = dailyRecord(session(name, total));
        QCOMPARE(built, record);
        if (total < 10000 && name.size() <= 15)
            QCOMPARE(built.size(), 43);
        QCOMPARE(dailyRecordAmount(built, 1, daily), total);
    }

    void sameDateAppendsExactlyOneLine()
    {
        ProgramFolder folder;
        folder.write(daily, {"07.12.2026", "Ali            10:00 ---- 11:00 ---- 02,00-"});
        const QByteArray monthlyBefore = folder.bytes(monthly);
        bookKirveno(folder);
        const QStringList lines = folder.lines(daily);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[2], QStringLiteral("Kirveno        21:07 ---- 23:15 ---- 05,50-"));
        QVERIFY(folder.bytes(daily).endsWith("05,50-\r\n"));
        QCOMPARE(folder.bytes(monthly), monthlyBefore);
    }

    void rollOver_data()
    {
        QTest::addColumn<QStringList>("records");
        QTest::addColumn<QString>("monthlyLine");
        QTest::newRow("two records") << QStringList{"A              10:00 ---- 11:00 ---- 05,50-",
                                                    "B              12:00 ---- 15:00 ---- 12,00-"}
                                     << "06.12.2026 ---- 17,50";
        QTest::newRow("date line only") << QStringList{} << "06.12.2026 ---- 00,00";
        QTest::newRow("blank lines count nothing")
            << QStringList{"", "A              10:00 ---- 11:00 ---- 04,50-", ""}
            << "06.12.2026 ---- 04,50";
        QTest::newRow("short line counts nothing")
            << QStringList{"a note", "B              12:00 ---- 15:00 ---- 10,00-"}
            << "06.12.2026 ---- 10,00";
        QTest::newRow("exact beyond 100")
            << QStringList{"A              10:00 ---- 11:00 ---- 99,99-",
                           "B              12:00 ---- 15:00 ---- 23,47-"}
            << "06.12.2026 ---- 123,46";
        QTest::newRow("blanks after the closing dash")
            << QStringList{"Ali            10:00 ---- 11:00 ---- 12,00- ",
                           "Veli           11:00 ---- 12:00 ---- 01,50-   "}
            << "06.12.2026 ---- 13,50";
        QTest::newRow("a note after the closing dash")
            << QStringList{"Ali            10:00 ---- 11:00 ---- 12,00-paid"}
            << "06.12.2026 ---- 12,00";
        QTest::newRow("record of 100 or more")
            << QStringList{"A              10:00 ---- 11:00 ---- 1250,00-",
                           "B              12:00 ---- 15:00 ---- 250,00-"}
            << "06.12.2026 ---- 1500,00";
    }

    void rollOver()
    {
        QFETCH(QStringList, records);
        QFETCH(QString, monthlyLine);
        ProgramFolder folder;
        folder.write(daily, QStringList{"06.12.2026"} + records);
        folder.write(monthly, {"Kirveno LT monthly ledger", "05.12.2026 ---- 01,00"});
        bookKirveno(folder);
        QCOMPARE(folder.lines(monthly),
                 (QStringList{"Kirveno LT monthly ledger", "05.12.2026 ---- 01,00", monthlyLine}));
        QCOMPARE(folder.lines(daily),
                 (QStringList{"07.12.2026", "Kirveno        21:07 ---- 23:15 ---- 05,50-"}));
    }

    void installedLedgerRollsOverItsFirstLine()
    {
        ProgramFolder folder;
        bookKirveno(folder);
        QCOMPARE(folder.lines(monthly).last(), QStringLiteral("01.01.2026 ---- 00,00"));
        QCOMPARE(folder.lines(daily).first(), QStringLiteral("07.12.2026"));
    }

    void missingMonthlyLedgerStopsBeforeWriting()
    {
        ProgramFolder folder;
        folder.write(daily, {"06.12.2026", "A              10:00 ---- 11:00 ---- 05,50-"});
        QFile::remove(folder.file(monthly));
        const QByteArray before = folder.bytes(daily);
        try {
            bookKirveno(folder);
            QFAIL("booked without a monthly ledger");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(folder.file(monthly)));
        }
        QCOMPARE(folder.bytes(daily), before);
        QVERIFY(!QFile::exists(folder.file(monthly)));
    }

    void nonNumericAmountStopsBeforeWriting()
    {
        ProgramFolder folder;
        folder.write(daily, {"06.12.2026", "A              10:00 ---- 11:00 ---- 5x,50-"});
        const QByteArray dailyBefore = folder.bytes(daily);
        const QByteArray monthlyBefore = folder.bytes(monthly);
        try {
            bookKirveno(folder);
            QFAIL("booked over a damaged record");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(folder.file(daily)));
            QVERIFY(englishMessage(error).contains(QStringLiteral("5x,50")));
            QVERIFY(englishMessage(error).contains(QStringLiteral("Line 2")));
        }
        QCOMPARE(folder.bytes(daily), dailyBefore);
        QCOMPARE(folder.bytes(monthly), monthlyBefore);
    }

    void dayTotalOfAMonthlyLine_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<qint64>("total"); // -1: not an amount
        QTest::newRow("as written") << "01.05.2026 ---- 12,50" << 1250ll;
        QTest::newRow("100 or more grows to the right") << "01.05.2026 ---- 123,46" << 12346ll;
        QTest::newRow("thousands") << "01.05.2026 ---- 1500,00" << 150000ll;
        QTest::newRow("blanks after it") << "01.05.2026 ---- 05,50  " << 550ll;
        QTest::newRow("behind a longer date line") << "Kirveno first day ---- 00,00" << 0ll;
        QTest::newRow("a group separator") << "01.05.2026 ---- 1.500" << -1ll;
        QTest::newRow("the old cut form of 123,46") << "01.05.2026 ---- 123,5" << 12350ll;
        QTest::newRow("no total") << "01.05.2026" << -1ll;
        QTest::newRow("no total after the separator") << "01.05.2026 ---- " << -1ll;
        QTest::newRow("letters") << "01.05.2026 ---- 1x,00" << -1ll;
    }

    void dayTotalOfAMonthlyLine()
    {
        QFETCH(QString, line);
        QFETCH(qint64, total);
        try {
            QCOMPARE(monthlyLineAmount(line, 6, monthly), total);
        } catch (const DataFileError &error) {
            QCOMPARE(total, -1ll);
            const QString message = englishMessage(error);
            QVERIFY(message.contains(monthly));
            QVERIFY(message.contains(QStringLiteral("Line 7")));
            QVERIFY(message.contains(QLatin1Char('"') + line + QLatin1Char('"')));
        }
    }

    // What the roll-over writes, the reports read back.
    void monthlyLinesReadBackTheirTotal()
    {
        for (const Cents total : {Cents(0), Cents(5), Cents(550), Cents(9999), Cents(12346),
                                  Cents(150000), Cents(2000000)}) {
            QCOMPARE(
                monthlyLineAmount(monthlyLine(QStringLiteral("06.12.2026"), total), 1, monthly),
                total);
        }
    }

    void dateTexts()
    {
        QCOMPARE(dateText(QDate(2026, 12, 7)), QStringLiteral("07.12.2026"));
        QCOMPARE(dateText(QDate(2027, 1, 31)), QStringLiteral("31.01.2027"));
    }
};

QTEST_APPLESS_MAIN(TestLedgers)
#include "test_ledgers.moc"
