#include "records/reports.h"
#include "storage/datafileerror.h"
#include "support/englishmessage.h"

#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;

namespace {

const QString aylik = QStringLiteral("/cafe/aylik.dat");

// The monthly ledger of the example: two days of May and one of June.
const QStringList exampleMonthly = {"Kirveno LT monthly ledger", "01.05.2026 ---- 12,50",
                                    "02.05.2026 ---- 08,00", "01.06.2026 ---- 10,00"};

} // namespace

class TestReports : public QObject
{
    Q_OBJECT

private slots:
    void dailyViewDropsEmptyLines_data()
    {
        QTest::addColumn<QStringList>("daily");
        QTest::addColumn<QStringList>("view");
        const QString a = QStringLiteral("A              10:00 ---- 11:00 ---- 05,50-");
        const QString b = QStringLiteral("B              12:00 ---- 15:00 ---- 12,00-");
        QTest::newRow("clean") << QStringList{"07.12.2026", a, b}
                               << QStringList{"07.12.2026", a, b};
        QTest::newRow("empty lines between and after")
            << QStringList{"07.12.2026", "", a, "", "", b, ""} << QStringList{"07.12.2026", a, b};
        QTest::newRow("empty date line stays") << QStringList{"", "", a} << QStringList{"", a};
        QTest::newRow("empty file keeps a date line") << QStringList{} << QStringList{""};
        // A line of blanks is not empty: it is a line the operator may want to see and remove.
        QTest::newRow("blanks are not empty")
            << QStringList{"07.12.2026", " ", a} << QStringList{"07.12.2026", " ", a};
    }

    void dailyViewDropsEmptyLines()
    {
        QFETCH(QStringList, daily);
        QFETCH(QStringList, view);
        QCOMPARE(dailyView(daily), view);
    }

    void monthsInTheOrderOfTheirFirstDay_data()
    {
        QTest::addColumn<QStringList>("monthly");
        QTest::addColumn<QStringList>("keys");
        QTest::newRow("example") << exampleMonthly << QStringList{"05.2026", "06.2026"};
        QTest::newRow("first line only")
            << QStringList{"Kirveno LT monthly ledger"} << QStringList{};
        QTest::newRow("the first line is never a month")
            << QStringList{"01.04.2026 ---- 01,00"} << QStringList{};
        QTest::newRow("a month coming back keeps its first place")
            << QStringList{"", "30.06.2026 ---- 01,00", "01.07.2026 ---- 01,00",
                           "15.06.2026 ---- 01,00"}
            << QStringList{"06.2026", "07.2026"};
        QTest::newRow("lines too short for a month")
            << QStringList{"", "", "abc", "01.05.2026 ---- 01,00"} << QStringList{"05.2026"};
    }

    void monthsInTheOrderOfTheirFirstDay()
    {
        QFETCH(QStringList, monthly);
        QFETCH(QStringList, keys);
        QCOMPARE(monthKeys(monthly), keys);
    }

    void daysAndTotalOfAMonth_data()
    {
        QTest::addColumn<QStringList>("monthly");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QStringList>("days");
        QTest::addColumn<qint64>("total");
        QTest::newRow("May of the example")
            << exampleMonthly << "05.2026"
            << QStringList{"01.05.2026 ---- 12,50", "02.05.2026 ---- 08,00"} << 2050ll;
        QTest::newRow("June of the example")
            << exampleMonthly << "06.2026" << QStringList{"01.06.2026 ---- 10,00"} << 1000ll;
        QTest::newRow("the first line is never summed")
            << QStringList{"01.05.2026 ---- 99,99", "02.05.2026 ---- 01,00"} << "05.2026"
            << QStringList{"02.05.2026 ---- 01,00"} << 100ll;
        QTest::newRow("days of 100 and more are exact")
            << QStringList{"", "01.05.2026 ---- 123,46", "02.05.2026 ---- 1500,00",
                           "03.05.2026 ---- 0,04 "}
            << "05.2026"
            << QStringList{"01.05.2026 ---- 123,46", "02.05.2026 ---- 1500,00",
                           "03.05.2026 ---- 0,04 "}
            << 162350ll;
        // Another month's damaged day is not this month's concern.
        QTest::newRow("other month damaged")
            << QStringList{"", "01.05.2026 ---- 01,50", "01.06.2026 ---- 1.500"} << "05.2026"
            << QStringList{"01.05.2026 ---- 01,50"} << 150ll;
    }

    void daysAndTotalOfAMonth()
    {
        QFETCH(QStringList, monthly);
        QFETCH(QString, month);
        QFETCH(QStringList, days);
        QFETCH(qint64, total);
        QCOMPARE(monthDays(monthly, month), days);
        QCOMPARE(monthTotal(monthly, month, aylik), total);
    }

    void aDamagedDayNamesItsFileLineAndText()
    {
        const QStringList monthly = {"", "01.05.2026 ---- 12,50", "01.06.2026 ---- 10,00",
                                     "02.05.2026 ---- 2.500"};
        try {
            monthTotal(monthly, QStringLiteral("05.2026"), aylik);
            QFAIL("summed a damaged day");
        } catch (const DataFileError &error) {
            QCOMPARE(englishMessage(error),
                     QStringLiteral("/cafe/aylik.dat\n\nLine 4 holds \"02.05.2026 ---- 2.500\", "
                                    "where a day total such as 12,50 at the end of the line "
                                    "was expected. The file was left as it is."));
        }
    }

    void removeOnlyARecordOfToday_data()
    {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("allowed");
        const QStringList today = {"07.12.2026", "A              10:00 ---- 11:00 ---- 05,50-"};
        QTest::newRow("a record of today") << today << 1 << true;
        QTest::newRow("nothing selected today") << today << -1 << true;
        QTest::newRow("today's date line") << today << 0 << false;
        QTest::newRow("an earlier day's record")
            << QStringList{"06.12.2026", "A              10:00 ---- 11:00 ---- 05,50-"} << 1
            << false;
        QTest::newRow("a month view") << QStringList{"07.12.2026 ---- 05,50"} << -1 << false;
        QTest::newRow("an empty date line") << QStringList{"", "x"} << 1 << false;
    }

    void removeOnlyARecordOfToday()
    {
        QFETCH(QStringList, entries);
        QFETCH(int, row);
        QFETCH(bool, allowed);
        QCOMPARE(mayRemove(entries, row, QStringLiteral("07.12.2026")), allowed);
    }
};

QTEST_APPLESS_MAIN(TestReports)
#include "test_reports.moc"
