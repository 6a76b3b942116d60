#include "storage/money.h"

#include <QTest>

using namespace kirveno;

class TestMoney : public QObject
{
    Q_OBJECT

private slots:
    void parsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("cents"); // -1: not an amount
        QTest::newRow("stored") << "05,50" << 550ll;
        QTest::newRow("none") << "0" << 0ll;
        QTest::newRow("one decimal") << "5,5" << 550ll;
        QTest::newRow("whole") << "12" << 1200ll;
        QTest::newRow("leading comma") << ",50" << 50ll;
        QTest::newRow("blanks around") << " 05,50 " << 550ll;
        QTest::newRow("large") << "1500,25" << 150025ll;
        QTest::newRow("group separator") << "1.500,00" << -1ll;
        QTest::newRow("third decimal") << "1,225" << -1ll;
        QTest::newRow("letters") << "ab,cd" << -1ll;
        QTest::newRow("empty") << "" << -1ll;
        QTest::newRow("comma only") << "," << -1ll;
        QTest::newRow("negative") << "-1,00" << -1ll;
        QTest::newRow("decimal point") << "5.50" << -1ll;
    }

    void parsing()
    {
        QFETCH(QString, text);
        QFETCH(qint64, cents);
        const auto parsed = parseAmount(text);
        QCOMPARE(parsed.value_or(-1), cents);
    }

    void forms_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("padded");
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("stored");
        QTest::newRow("zero") << 0ll << "00,00"
                              << "0,00"
                              << "0";
        QTest::newRow("five cents") << 5ll << "00,05"
                                    << "0,05"
                                    << "00,05";
        QTest::newRow("five and a half") << 550ll << "05,50"
                                         << "5,50"
                                         << "05,50";
        QTest::newRow("twelve") << 1200ll << "12,00"
                                << "12,00"
                                << "12,00";
        QTest::newRow("most of two digits") << 9999ll << "99,99"
                                            << "99,99"
                                            << "99,99";
        QTest::newRow("hundred") << 10000ll << "100,00"
                                 << "100,00"
                                 << "100,00";
        QTest::newRow("no group separator") << 150000ll << "1500,00"
                                            << "1500,00"
                                            << "1500,00";
    }

    void forms()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, padded);
        QFETCH(QString, plain);
        QFETCH(QString, stored);
        QCOMPARE(paddedAmount(cents), padded);
        QCOMPARE(plainAmount(cents), plain);
        QCOMPARE(storedAmount(cents), stored);
        QCOMPARE(parseAmount(padded).value_or(-1), cents);
    }

    void totalsWithThousands_data()
    {
        QTest::addColumn<qint64>("cents");
        QTest::addColumn<QString>("grouped");
        QTest::addColumn<QString>("paddedGrouped");
        QTest::newRow("zero") << 0ll << "0,00"
                              << "00,00";
        QTest::newRow("one and a half") << 150ll << "1,50"
                                        << "01,50";
        QTest::newRow("twelve") << 1200ll << "12,00"
                                << "12,00";
        QTest::newRow("exact to the hundredth") << 12344ll << "123,44"
                                                << "123,44";
        QTest::newRow("most below a thousand") << 99999ll << "999,99"
                                               << "999,99";
        QTest::newRow("a thousand") << 100000ll << "1.000,00"
                                    << "1.000,00";
        QTest::newRow("twenty thousand") << 2000000ll << "20.000,00"
                                         << "20.000,00";
        QTest::newRow("hundred thousand") << 10000000ll << "100.000,00"
                                          << "100.000,00";
        QTest::newRow("millions") << 123456789ll << "1.234.567,89"
                                  << "1.234.567,89";
    }

    void totalsWithThousands()
    {
        QFETCH(qint64, cents);
        QFETCH(QString, grouped);
        QFETCH(QString, paddedGrouped);
        QCOMPARE(groupedAmount(cents), grouped);
        QCOMPARE(paddedGroupedAmount(cents), paddedGrouped);
    }

    void amountFromTwoParts()
    {
        QCOMPARE(amountFromParts(0, 0), QStringLiteral("0"));
        QCOMPARE(amountFromParts(0, 5), QStringLiteral("00,05"));
        QCOMPARE(amountFromParts(12, 0), QStringLiteral("12,00"));
        QCOMPARE(amountFromParts(5, 50), QStringLiteral("05,50"));
        QCOMPARE(partsOfAmount(550).whole, 5);
        QCOMPARE(partsOfAmount(550).hundredths, 50);
    }
};

QTEST_APPLESS_MAIN(TestMoney)
#include "test_money.moc"
