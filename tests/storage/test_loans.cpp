#include "storage/datafileerror.h"
#include "storage/loans.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;
using kirveno::testing::ProgramFolder;

namespace {

const QString borc = QStringLiteral("borc.dat");

QStringList fiveLoans()
{
    QStringList lines{QStringLiteral("Kirveno LT loans")};
    for (int k = 0; k < 5; ++k)
        lines << QStringLiteral("Person %1").arg(k) << QStringLiteral("0%1,50").arg(k)
              << (k == 1 ? QString() : QStringLiteral("note %1").arg(k));
    return lines;
}

} // namespace

class TestLoans : public QObject
{
    Q_OBJECT

private slots:
    void filesWithoutLoans_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("header");
        QTest::newRow("installed") << QByteArray("Kirveno LT loans\r\n") << "Kirveno LT loans";
        QTest::newRow("empty line 1") << QByteArray("Own header\r\n\r\n") << "Own header";
        QTest::newRow("blank lines")
            << QByteArray("Own header\r\n\r\n\r\n\r\n\r\n") << "Own header";
        QTest::newRow("empty file") << QByteArray() << "Kirveno LT loans";
    }

    // The first loan added then starts on line 1, under the header the file had.
    void filesWithoutLoans()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, header);
        ProgramFolder folder;
        folder.writeBytes(borc, bytes);
        LoansFile loans = LoansFile::load(folder.file(borc));
        QVERIFY(loans.isEmpty());
        loans.append({QStringLiteral("Ali"), 550, QString()});
        loans.save(folder.file(borc));
        QCOMPARE(folder.bytes(borc), header.toLatin1() + "\r\nAli\r\n05,50\r\n\r\n");
    }

    void aFileIsReadBackAsItWasWritten()
    {
        ProgramFolder folder;
        const QByteArray bytes = "\xDE"
                                 "ube \xFE"
                                 "ubat\r\n" // a header in the code page
                                 "\xC7"
                                 "a\xF0"
                                 "lar\r\n00,05\r\n\r\n"
                                 "Veli\r\n99,95\r\n\xE7"
                                 "ay ve simit\r\n";
        folder.writeBytes(borc, bytes);
        const LoansFile loans = LoansFile::load(folder.file(borc));
        QCOMPARE(loans.loans(),
                 (QList<Loan>{{QStringLiteral("Çağlar"), 5, QString()},
                              {QStringLiteral("Veli"), 9995, QStringLiteral("çay ve simit")}}));
        loans.save(folder.file(borc));
        QCOMPARE(folder.bytes(borc), bytes);
    }

    void changesTouchOnlyTheirRecord()
    {
        ProgramFolder folder;
        const QString path = folder.file(borc);
        const QStringList before = fiveLoans();
        folder.write(borc, before);

        LoansFile loans = LoansFile::load(path);
        QCOMPARE(loans.loans().size(), 5);
        loans.replace(2, {QStringLiteral("Changed"), 1205, QString()});
        loans.save(path);
        QStringList expected = before;
        expected[7] = QStringLiteral("Changed");
        expected[8] = QStringLiteral("12,05");
        expected[9] = QString();
        QCOMPARE(folder.lines(borc), expected);

        // The later records move up by three lines.
        loans.remove(0);
        loans.save(path);
        expected.remove(1, 3);
        QCOMPARE(folder.lines(borc), expected);

        loans.append({QStringLiteral("New"), 5, QStringLiteral("last")});
        loans.save(path);
        expected << QStringLiteral("New") << QStringLiteral("00,05") << QStringLiteral("last");
        QCOMPARE(folder.lines(borc), expected);

        while (!loans.isEmpty())
            loans.remove(0);
        loans.save(path);
        QCOMPARE(folder.bytes(borc), QByteArray("Kirveno LT loans\r\n"));
    }

    void damagedFilesNameTheFileTheLineAndTheText_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        const QString amount = QStringLiteral(
            "where a loan of two digits, a comma and two digits, such as 05,50 was expected.");
        QTest::newRow("no comma") << 5 << "0550"
                                  << "Line 6 holds \"0550\", " + amount;
        QTest::newRow("one whole digit") << 2 << "5,50"
                                         << "Line 3 holds \"5,50\", " + amount;
        QTest::newRow("blank in front") << 2 << " 5,50"
                                        << "Line 3 holds \" 5,50\", " + amount;
        QTest::newRow("blank behind") << 2 << "05,5 "
                                      << "Line 3 holds \"05,5 \", " + amount;
        QTest::newRow("point") << 14 << "05.50"
                               << "Line 15 holds \"05.50\", " + amount;
        QTest::newRow("letters") << 2 << "ab,cd"
                                 << "Line 3 holds \"ab,cd\", " + amount;
        QTest::newRow("no amount") << 2 << ""
                                   << "Line 3 holds \"\", " + amount;
        QTest::newRow("empty name") << 7 << ""
                                    << "Line 8 holds \"\", where a name was expected.";
    }

    void damagedFilesNameTheFileTheLineAndTheText()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(QString, message);
        ProgramFolder folder;
        QStringList lines = fiveLoans();
        lines[line] = text;
        folder.write(borc, lines);
        try {
            LoansFile::load(folder.file(borc));
            QFAIL("a damaged file was read");
        } catch (const DataFileError &error) {
            QCOMPARE(englishMessage(error),
                     folder.file(borc) + "\n\n" + message + " The file was left as it is.");
        }
    }

    void aRecordCutShortIsRefused_data()
    {
        QTest::addColumn<int>("lines");
        QTest::newRow("note missing") << 15;
        QTest::newRow("amount and note missing") << 14;
        QTest::newRow("a name after the last loan") << 17;
    }

    void aRecordCutShortIsRefused()
    {
        QFETCH(int, lines);
        QStringList file = fiveLoans();
        file.append(QStringLiteral("Person 5"));
        file = file.mid(0, lines);
        try {
            LoansFile::fromLines(file, borc);
            QFAIL("a file cut short was read");
        } catch (const DataFileError &error) {
            QCOMPARE(englishMessage(error),
                     QStringLiteral("borc.dat\n\nThe file holds %1 lines; it must hold a header "
                                    "line and three lines for each loan: name, amount and note. "
                                    "The file was left as it is.")
                         .arg(lines));
        }
    }
};

QTEST_MAIN(TestLoans)
#include "test_loans.moc"
