#include "records/takings.h"
#include "settings/texttable.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QTest>
#include <functional>

using namespace kirveno;
using kirveno::testing::englishMessage;

namespace {

const QString gunluk = QStringLiteral("/cafe/gunluk.dat");
const QString aylik = QStringLiteral("/cafe/aylik.dat");

QString record(const QString &name, Cents total)
{
    return dailyRecord({name, QStringLiteral("10:00"), QStringLiteral("11:30"), total});
}

// A name that a spreadsheet would cut into three fields if it were not quoted.
const QString awkwardName = QStringLiteral("Ali; Veli, \"Kara\"");

// 0,05 + 12.345,67 + 7.654,28 = 20.000,00, and a line that is not a record. Made when a test
// runs: the ledger's writer is not ready while the program's globals are being made.
QStringList exampleDaily()
{
    return {"10.12.2026", record(awkwardName, 5), record("Ayşe", 1234567), "cash count",
            record("Masa 3", 765428)};
}

// Ten days over two years. The first line is never a day; a month outside the twelve is passed
// over, even a damaged one.
const QStringList twoYears = {
    "01.03.2027 ---- 77,77", "15.02.2025 ---- 1.500", "31.03.2026 ---- 01,00",
    "01.04.2026 ---- 02,00", "30.04.2026 ---- 03,00", "24.12.2026 ---- 12345,67",
    "01.01.2027 ---- 00,05", "07.03.2027 ---- 10,00", "01.04.2027 ---- 99,99"};

const QStringList exampleMonthly = {"Kirveno LT monthly ledger", "30.11.2026 ---- 99,99",
                                    "01.12.2026 ---- 00,05",     "02.12.2026 ---- 12345,67",
                                    "03.12.2026 ---- 7654,28",   "01.01.2027 ---- 01,00"};

// The texts of a language as the program loads them.
TextTable textsOf(const QString &language)
{
    static const kirveno::testing::ProgramFolder folder;
    return loadActiveTexts(folder.path(), language).table;
}

// Reads a file back as a spreadsheet does: fields between the separators, quotes taken off and
// doubled quotes made single, a record ending at a CR LF outside quotes.
QList<QStringList> readCsv(const QByteArray &bytes, QChar separator)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const auto next = [&text](qsizetype i) {
        return i + 1 < text.size() ? text[i + 1] : QChar();
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == QLatin1Char('"') && next(i) == QLatin1Char('"')) {
            field += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (quoted) {
            field += c;
        } else if (c == separator) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\r') && next(i) == QLatin1Char('\n')) {
            rows << (row << field);
            row.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!row.isEmpty() || !field.isEmpty())
        rows << (row << field); // a last record without its line end: the comparison fails
    return rows;
}

QList<Cents> amountsOf(const QList<TakingsBar> &bars)
{
    QList<Cents> amounts;
    for (const TakingsBar &bar : bars)
        amounts << bar.amount;
    return amounts;
}

QStringList labelsOf(const QList<TakingsBar> &bars)
{
    QStringList labels;
    for (const TakingsBar &bar : bars)
        labels << bar.label;
    return labels;
}

// Zero bars for the days of a month, with the given days' amounts.
QList<Cents> days(int count, const QMap<int, Cents> &amounts)
{
    QList<Cents> bars(count, 0);
    for (auto day = amounts.begin(); day != amounts.end(); ++day)
        bars[day.key() - 1] = day.value();
    return bars;
}

} // namespace

class TestTakings : public QObject
{
    Q_OBJECT

private slots:
    void separatorsFollowTheLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<char>("separator");
        QTest::addColumn<char>("decimalMark");
        QTest::newRow("Turkish") << "Turkish" << ';' << ',';
        QTest::newRow("as stored in the settings") << "turkish" << ';' << ',';
        QTest::newRow("English") << "English" << ',' << '.';
        QTest::newRow("another language") << "Deutsch" << ',' << '.';
        QTest::newRow("not exactly Turkish") << "Turkish2" << ',' << '.';
    }

    void separatorsFollowTheLanguage()
    {
        QFETCH(QString, language);
        QFETCH(char, separator);
        QFETCH(char, decimalMark);
        const CsvFormat format = csvFormat(language);
        QCOMPARE(format.separator, separator);
        QCOMPARE(format.decimalMark, decimalMark);
    }

    // The example ledgers exported and read back as a spreadsheet of the language reads them.
    void ledgersReadBack_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("month"); // empty for the daily view
        QTest::addColumn<QList<QStringList>>("expected");
        QTest::newRow("English day")
            << "english" << QString()
            << QList<QStringList>{
                   {"Name", "Start", "Finish", "Amount"},   {awkwardName, "10:00", "11:30", "0.05"},
                   {"Ayşe", "10:00", "11:30", "12345.67"},  {"cash count", "", "", "0.00"},
                   {"Masa 3", "10:00", "11:30", "7654.28"}, {"Total", "", "", "20000.00"}};
        QTest::newRow("Turkish day")
            << "turkish" << QString()
            << QList<QStringList>{
                   {"Ad", "Başlangıç", "Bitiş", "Tutar"},   {awkwardName, "10:00", "11:30", "0,05"},
                   {"Ayşe", "10:00", "11:30", "12345,67"},  {"cash count", "", "", "0,00"},
                   {"Masa 3", "10:00", "11:30", "7654,28"}, {"Toplam", "", "", "20000,00"}};
        QTest::newRow("English month") << "english"
                                       << "12.2026"
                                       << QList<QStringList>{{"Date", "Day Total"},
                                                             {"01.12.2026", "0.05"},
                                                             {"02.12.2026", "12345.67"},
                                                             {"03.12.2026", "7654.28"},
                                                             {"Total", "20000.00"}};
        QTest::newRow("Turkish month") << "turkish"
                                       << "12.2026"
                                       << QList<QStringList>{{"Tarih", "Gün Toplamı"},
                                                             {"01.12.2026", "0,05"},
                                                             {"02.12.2026", "12345,67"},
                                                             {"03.12.2026", "7654,28"},
                                                             {"Toplam", "20000,00"}};
        QTest::newRow("a month without days")
            << "english"
            << "10.2026" << QList<QStringList>{{"Date", "Day Total"}, {"Total", "0.00"}};
    }

    void ledgersReadBack()
    {
        QFETCH(QString, language);
        QFETCH(QString, month);
        QFETCH(QList<QStringList>, expected);
        const TextTable texts = textsOf(language);
        const CsvFormat format = csvFormat(texts.text(u"Language"));
        const QList<CsvRow> table = month.isEmpty()
                                        ? dailyTable(exampleDaily(), texts, gunluk)
                                        : monthTable(exampleMonthly, month, texts, aylik);
        const QByteArray bytes = csvBytes(table, format);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(readCsv(bytes.mid(3), QLatin1Char(format.separator)), expected);
    }

    // The bytes themselves: what needs quotes gets them, and nothing else.
    void fieldsAndAmounts_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("English") << "English"
                                 << QByteArray("\"A \"\"B\"\"\",\"x;y\",\"p,q\",\"two\r\nlines\","
                                               "Ayşe,'=HYPERLINK(1),'-5,0.05,0.50,123.44,"
                                               "20000.00\r\n");
        QTest::newRow("Turkish") << "Turkish"
                                 << QByteArray("\"A \"\"B\"\"\";\"x;y\";\"p,q\";\"two\r\nlines\";"
                                               "Ayşe;'=HYPERLINK(1);'-5;0,05;0,50;123,44;"
                                               "20000,00\r\n");
    }

    void fieldsAndAmounts()
    {
        QFETCH(QString, language);
        QFETCH(QByteArray, line);
        // A name that a spreadsheet would take for a formula stays a text.
        const CsvRow row{"A \"B\"", "x;y",           "p,q",         "two\r\nlines",
                         "Ayşe",    "=HYPERLINK(1)", "-5",          Cents(5),
                         Cents(50), Cents(12344),    Cents(2000000)};
        QCOMPARE(csvBytes({row}, csvFormat(language)), "\xEF\xBB\xBF" + line);
    }

    void fileNames_data()
    {
        QTest::addColumn<QString>("period");
        QTest::addColumn<QString>("name");
        QTest::newRow("a day") << "10.12.2026"
                               << "takings-2026-12-10.csv";
        QTest::newRow("a month") << "12.2026"
                                 << "takings-2026-12.csv";
        QTest::newRow("no date line") << ""
                                      << "takings.csv";
        QTest::newRow("not a day") << "31.02.2026"
                                   << "takings.csv";
        QTest::newRow("not a month") << "13.2026"
                                     << "takings.csv";
    }

    void fileNames()
    {
        QFETCH(QString, period);
        QFETCH(QString, name);
        QCOMPARE(csvFileName(period), name);
    }

    void monthBarsHaveEveryDay_data()
    {
        QTest::addColumn<QStringList>("monthly");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QList<Cents>>("amounts");
        const QString header = QStringLiteral("Kirveno LT monthly ledger");
        QTest::newRow("empty days at zero, a day twice adds up")
            << QStringList{header,
                           "30.11.2026 ---- 99,99",
                           "01.12.2026 ---- 00,05",
                           "03.12.2026 ---- 12,50",
                           "03.12.2026 ---- 01,00",
                           "31.12.2026 ---- 1500,00",
                           "01.01.2027 ---- 02,00"}
            << "12.2026" << days(31, {{1, 5}, {3, 1350}, {31, 150000}});
        QTest::newRow("February") << QStringList{header, "28.02.2026 ---- 08,00"} << "02.2026"
                                  << days(28, {{28, 800}});
        QTest::newRow("February of a leap year")
            << QStringList{header, "29.02.2028 ---- 08,00"} << "02.2028" << days(29, {{29, 800}});
        QTest::newRow("thirty days")
            << QStringList{header, "30.04.2026 ---- 08,00"} << "04.2026" << days(30, {{30, 800}});
        QTest::newRow("a month without lines")
            << QStringList{header, "30.04.2026 ---- 08,00"} << "05.2026" << days(31, {});
        QTest::newRow("a day that is not a date counts for no bar")
            << QStringList{header, "xx.04.2026 ---- 08,00", "02.04.2026 ---- 01,00"} << "04.2026"
            << days(30, {{2, 100}});
        QTest::newRow("not a month")
            << QStringList{header, "01.ab.cdef ---- 08,00"} << "ab.cdef" << QList<Cents>{};
    }

    void monthBarsHaveEveryDay()
    {
        QFETCH(QStringList, monthly);
        QFETCH(QString, month);
        QFETCH(QList<Cents>, amounts);
        const QList<TakingsBar> bars = monthBars(monthly, month, aylik);
        QCOMPARE(amountsOf(bars), amounts);
        for (qsizetype day = 0; day < bars.size(); ++day)
            QCOMPARE(bars[day].label, QString::number(day + 1));
    }

    void twelveMonthsEndWithTodays_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<Cents>>("amounts");
        QTest::newRow("across the turn of the year")
            << QDate(2027, 3, 7)
            << QStringList{"04.2026", "05.2026", "06.2026", "07.2026", "08.2026", "09.2026",
                           "10.2026", "11.2026", "12.2026", "01.2027", "02.2027", "03.2027"}
            << QList<Cents>{500, 0, 0, 0, 0, 0, 0, 0, 1234567, 5, 0, 1000};
        QTest::newRow("a calendar year")
            << QDate(2026, 12, 31)
            << QStringList{"01.2026", "02.2026", "03.2026", "04.2026", "05.2026", "06.2026",
                           "07.2026", "08.2026", "09.2026", "10.2026", "11.2026", "12.2026"}
            << QList<Cents>{0, 0, 100, 500, 0, 0, 0, 0, 0, 0, 0, 1234567};
    }

    void twelveMonthsEndWithTodays()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, labels);
        QFETCH(QList<Cents>, amounts);
        const QList<TakingsBar> bars = twelveMonthBars(twoYears, today, aylik);
        QCOMPARE(labelsOf(bars), labels);
        QCOMPARE(amountsOf(bars), amounts);
    }

    // A hand-edited amount in what is exported or drawn is named with its file, line and text.
    void damagedAmounts_data()
    {
        using Reader = std::function<void()>;
        QTest::addColumn<Reader>("read");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("where");
        const TextTable &english = TextTable::builtInEnglish();
        const QStringList daily = {"10.12.2026", record("Ali", 550),
                                   "Veli           10:00 ---- 11:00 ---- 5x,50-"};
        const QStringList monthly = {"", "01.12.2026 ---- 12,50", "02.12.2026 ---- 1.500"};
        QTest::newRow("daily table") << Reader([=] { dailyTable(daily, english, gunluk); })
                                     << gunluk << "Line 3 holds \"" + daily[2] + "\"";
        QTest::newRow("month table")
            << Reader([=] { monthTable(monthly, "12.2026", english, aylik); }) << aylik
            << "Line 3 holds \"02.12.2026 ---- 1.500\"";
        QTest::newRow("month bars") << Reader([=] { monthBars(monthly, "12.2026", aylik); })
                                    << aylik << "Line 3 holds \"02.12.2026 ---- 1.500\"";
        QTest::newRow("twelve months")
            << Reader([=] { twelveMonthBars(monthly, QDate(2027, 1, 1), aylik); }) << aylik
            << "Line 3 holds \"02.12.2026 ---- 1.500\"";
    }

    void damagedAmounts()
    {
        using Reader = std::function<void()>;
        QFETCH(Reader, read);
        QFETCH(QString, file);
        QFETCH(QString, where);
        try {
            read();
            QFAIL("no error");
        } catch (const DataFileError &error) {
            const QString message = englishMessage(error);
            QVERIFY2(message.startsWith(file) && message.contains(where), qPrintable(message));
        }
    }

    void axisMarksAreRound_data()
    {
        QTest::addColumn<Cents>("highest");
        QTest::addColumn<QList<Cents>>("marks");
        QTest::newRow("nothing") << Cents(0) << QList<Cents>{0, 100};
        QTest::newRow("0,05") << Cents(5) << QList<Cents>{0, 100};
        QTest::newRow("1,00 exactly") << Cents(100) << QList<Cents>{0, 100};
        QTest::newRow("12,50") << Cents(1250) << QList<Cents>{0, 500, 1000, 1500};
        QTest::newRow("123,45") << Cents(12345) << QList<Cents>{0, 5000, 10000, 15000};
        QTest::newRow("20.000,00")
            << Cents(2000000) << QList<Cents>{0, 500000, 1000000, 1500000, 2000000};
        QTest::newRow("just above five steps") << Cents(1001) << QList<Cents>{0, 500, 1000, 1500};
    }

    void axisMarksAreRound()
    {
        QFETCH(Cents, highest);
        QFETCH(QList<Cents>, marks);
        QCOMPARE(axisMarks(highest), marks);
    }
};

QTEST_MAIN(TestTakings)
#include "test_takings.moc"
