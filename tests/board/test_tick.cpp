#include "board/tick.h"

#include <QTest>

using namespace kirveno;

class TestTick : public QObject
{
    Q_OBJECT

private slots:
    void figures_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("minimum");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("now");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("passed");
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<bool>("usedUp");

        QTest::newRow("past midnight") << "03,00"
                                       << "00,50"
                                       << "23:50"
                                       << "00:10"
                                       << "0"
                                       << "00:20"
                                       << "1,00"
                                       << "" << false;
        QTest::newRow("just opened shows the minimum") << "02,00"
                                                       << "00,50"
                                                       << "10:00"
                                                       << "10:00"
                                                       << "0"
                                                       << "00:00"
                                                       << "0,50"
                                                       << "" << false;
        QTest::newRow("minimum 01,50 loses its zero") << "02,00"
                                                      << "01,50"
                                                      << "10:00"
                                                      << "10:30"
                                                      << "0"
                                                      << "00:30"
                                                      << "1,50"
                                                      << "" << false;
        QTest::newRow("minimum 10,00 stays") << "02,00"
                                             << "10,00"
                                             << "10:00"
                                             << "12:00"
                                             << "0"
                                             << "02:00"
                                             << "10,00"
                                             << "" << false;
        QTest::newRow("49 minutes: 1,225 drops to 1,20") << "01,50"
                                                         << "00,10"
                                                         << "10:00"
                                                         << "10:49"
                                                         << "0"
                                                         << "00:49"
                                                         << "1,20"
                                                         << "" << false;
        QTest::newRow("50 minutes: 1,25 stays") << "01,50"
                                                << "00,10"
                                                << "10:00"
                                                << "10:50"
                                                << "0"
                                                << "00:50"
                                                << "1,25"
                                                << "" << false;
        QTest::newRow("51 minutes: 1,275 rounds up") << "01,50"
                                                     << "00,10"
                                                     << "10:00"
                                                     << "10:51"
                                                     << "0"
                                                     << "00:51"
                                                     << "1,30"
                                                     << "" << false;
        QTest::newRow("240 minutes, a whole amount") << "03,00"
                                                     << "00,50"
                                                     << "08:00"
                                                     << "12:00"
                                                     << "0"
                                                     << "04:00"
                                                     << "12,00"
                                                     << "" << false;
        QTest::newRow("9,96 becomes 10,00") << "04,98"
                                            << "00,50"
                                            << "10:00"
                                            << "12:00"
                                            << "0"
                                            << "02:00"
                                            << "10,00"
                                            << "" << false;
        QTest::newRow("a cost of 100 or more is shown as it ran") << "09,00"
                                                                  << "00,50"
                                                                  << "00:00"
                                                                  << "23:59"
                                                                  << "0"
                                                                  << "23:59"
                                                                  << "215,85"
                                                                  << "" << false;
        QTest::newRow("limit after 20 minutes") << "01,50"
                                                << "00,50"
                                                << "10:00"
                                                << "10:20"
                                                << "02,00"
                                                << "00:20"
                                                << "0,50"
                                                << "01:00" << false;
        QTest::newRow("limit used up at 80") << "01,50"
                                             << "00,50"
                                             << "10:00"
                                             << "11:20"
                                             << "02,00"
                                             << "01:20"
                                             << "2,00"
                                             << "00:00" << true;
        QTest::newRow("still used up at 81") << "01,50"
                                             << "00,50"
                                             << "10:00"
                                             << "11:21"
                                             << "02,00"
                                             << "01:21"
                                             << "2,00"
                                             << "00:00" << true;
        QTest::newRow("half a minute left rounds away") << "06,00"
                                                        << "00,50"
                                                        << "10:00"
                                                        << "10:00"
                                                        << "00,05"
                                                        << "00:00"
                                                        << "0,50"
                                                        << "00:01" << false;
        QTest::newRow("long limit, hours beyond 99") << "00,01"
                                                     << "00,00"
                                                     << "10:00"
                                                     << "10:00"
                                                     << "99,99"
                                                     << "00:00"
                                                     << "0,00"
                                                     << "9999:00" << false;
    }

    void figures()
    {
        QFETCH(QString, price);
        QFETCH(QString, minimum);
        QFETCH(QString, start);
        QFETCH(QString, now);
        QFETCH(QString, limit);
        QFETCH(QString, passed);
        QFETCH(QString, cost);
        QFETCH(QString, remaining);
        QFETCH(bool, usedUp);
        const Tariff tariff = tariffOf(price, minimum);
        const auto minutes = [](const QString &hhmm) {
            return hhmm.left(2).toInt() * 60 + hhmm.mid(3).toInt();
        };
        const RowFigures figures =
            rowFigures(tariff, minutes(start), minutes(now), parseAmount(limit).value_or(0));
        QCOMPARE(figures.passed, passed);
        QCOMPARE(figures.cost, cost);
        QCOMPARE(figures.remaining, remaining);
        QCOMPARE(figures.limitUsedUp, usedUp);
    }

    // The warning follows the remaining field: it starts when the field shows 00:05 and ends at
    // 00:00, where the limit is used up. Limit 02,00 at 01,50 an hour is 80 minutes.
    void warningBeforeTheLimitRunsOut_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<QString>("remaining");
        QTest::addColumn<bool>("runningOut");
        QTest::addColumn<bool>("usedUp");
        QTest::newRow("6 minutes left") << "01,50"
                                        << "02,00" << 74 << "00:06" << false << false;
        QTest::newRow("5 minutes left") << "01,50"
                                        << "02,00" << 75 << "00:05" << true << false;
        QTest::newRow("1 minute left") << "01,50"
                                       << "02,00" << 79 << "00:01" << true << false;
        QTest::newRow("0 minutes left") << "01,50"
                                        << "02,00" << 80 << "00:00" << false << true;
        QTest::newRow("past the limit") << "01,50"
                                        << "02,00" << 95 << "00:00" << false << true;
        QTest::newRow("no limit") << "01,50"
                                  << "0" << 75 << "" << false << false;
        // Budgets of 85.5 and 85.4 minutes: 5.5 minutes left shows 00:06, 5.4 shows 00:05.
        QTest::newRow("5.5 minutes left shows 6") << "01,20"
                                                  << "01,71" << 80 << "00:06" << false << false;
        QTest::newRow("5.4 minutes left shows 5") << "02,50"
                                                  << "03,56" << 80 << "00:05" << true << false;
        QTest::newRow("half a minute left shows 1") << "06,00"
                                                    << "00,05" << 0 << "00:01" << true << false;
    }

    void warningBeforeTheLimitRunsOut()
    {
        QFETCH(QString, price);
        QFETCH(QString, limit);
        QFETCH(int, elapsed);
        QFETCH(QString, remaining);
        QFETCH(bool, runningOut);
        QFETCH(bool, usedUp);
        const RowFigures figures = rowFigures(tariffOf(price, QStringLiteral("00,50")), 600,
                                              600 + elapsed, parseAmount(limit).value_or(0));
        QCOMPARE(figures.remaining, remaining);
        QCOMPARE(figures.limitRunningOut, runningOut);
        QCOMPARE(figures.limitUsedUp, usedUp);
    }

    void roundingToFiveHundredths_data()
    {
        QTest::addColumn<int>("priceCents");
        QTest::addColumn<int>("elapsed");
        QTest::addColumn<qint64>("owed");
        QTest::newRow("1,23 gives 1,20") << 123 << 60 << 120ll;
        QTest::newRow("1,25 gives 1,25") << 125 << 60 << 125ll;
        QTest::newRow("1,27 gives 1,30") << 127 << 60 << 130ll;
        QTest::newRow("1,5 gives 1,50") << 150 << 60 << 150ll;
        QTest::newRow("repeating decimal cut first") << 100 << 7 << 10ll; // 0,1166...
        QTest::newRow("9,96 gives 10,00") << 996 << 60 << 1000ll;
    }

    void roundingToFiveHundredths()
    {
        QFETCH(int, priceCents);
        QFETCH(int, elapsed);
        QFETCH(qint64, owed);
        QCOMPARE(owedAmount(priceCents, elapsed), owed);
    }

    void noPriceMeansNoTimeBudget()
    {
        QVERIFY(!minutesLeft(200, 0, 10).has_value());
        QVERIFY(!minutesLeft(0, 150, 10).has_value());
    }
};

QTEST_APPLESS_MAIN(TestTick)
#include "test_tick.moc"
