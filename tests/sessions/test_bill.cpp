#include "sessions/bill.h"

#include <QTest>

using namespace kirveno;

class TestBill : public QObject
{
    Q_OBJECT

private slots:
    void bill_data()
    {
        QTest::addColumn<QString>("cost");
        QTest::addColumn<QString>("addition");
        QTest::addColumn<QString>("booked");
        QTest::addColumn<QString>("shown");
        QTest::newRow("5,50 and no addition") << "5,50"
                                              << "0"
                                              << "05,50"
                                              << "5,50";
        QTest::newRow("12 and 00,50") << "12"
                                      << "00,50"
                                      << "12,50"
                                      << "12,50";
        QTest::newRow("minimum 0,50") << "0,50"
                                      << "0"
                                      << "00,50"
                                      << "0,50";
        QTest::newRow("5,55 and 00,10") << "5,55"
                                        << "00,10"
                                        << "05,65"
                                        << "5,65";
        QTest::newRow("5 whole") << "5"
                                 << "0"
                                 << "05,00"
                                 << "5,00";
        QTest::newRow("0,05") << "0,05"
                              << "0"
                              << "00,05"
                              << "0,05";
        QTest::newRow("a sum of exactly 100") << "99,50"
                                              << "00,50"
                                              << "100,00"
                                              << "100,00";
        QTest::newRow("a long session") << "215,85"
                                        << "12,00"
                                        << "227,85"
                                        << "227,85";
    }

    void bill()
    {
        QFETCH(QString, cost);
        QFETCH(QString, addition);
        QFETCH(QString, booked);
        QFETCH(QString, shown);
        const auto bill = billOf(cost, addition);
        QVERIFY(bill);
        QCOMPARE(bill->booked, booked);
        QCOMPARE(bill->shown, shown);
    }

    void unreadableCostGivesNoBill()
    {
        QVERIFY(!billOf(QString(), QStringLiteral("0")));
        QVERIFY(!billOf(QStringLiteral("1,50"), QStringLiteral("x")));
    }
};

QTEST_APPLESS_MAIN(TestBill)
#include "test_bill.moc"
