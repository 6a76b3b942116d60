#include "board/tick.h"
#include "storage/codepage.h"
#include "storage/datafileerror.h"
#include "storage/settingsfile.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;
using kirveno::testing::ProgramFolder;

namespace {

void verifyNamesTheLine(const DataFileError &error, int line, const QString &text)
{
    const QString message = englishMessage(error);
    QVERIFY(message.contains(QStringLiteral("ayar.dat")));
    QVERIFY2(message.contains(QStringLiteral("Line %1 holds \"%2\"").arg(line + 1).arg(text)),
             qPrintable(message));
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void installedFileReads()
    {
        ProgramFolder folder;
        const SettingsFile settings = SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
        QCOMPARE(settings.lines().size(), 17);
        QCOMPARE(settings.tableCount(), 10);
        const Tariff tariff = tariffOf(settings.line(SettingsLine::HourlyPrice),
                                       settings.line(SettingsLine::MinimumCharge));
        QCOMPARE(tariff.hourlyPrice, 200);
        QCOMPARE(tariff.minimumCharge, 50);
        QVERIFY(settings.soundOn());
        QCOMPARE(settings.password(), QString());
        QCOMPARE(settings.line(SettingsLine::Language), QStringLiteral("english"));
        QCOMPARE(settings.line(SettingsLine::FirstStart), QStringLiteral("0"));
    }

    void passwordsSurviveTheCodec_data()
    {
        QTest::addColumn<QString>("password");
        QTest::newRow("none") << QString();
        QTest::newRow("eight characters") << QStringLiteral("abcdEFG8");
        QTest::newRow("above byte 127") << QStringLiteral("şİğ€ÿ");
        QTest::newRow("byte 255 and spaces") << QStringLiteral(" ÿ ");
        QTest::newRow("one") << QStringLiteral("x");
    }

    void passwordsSurviveTheCodec()
    {
        QFETCH(QString, password);
        ProgramFolder folder;
        const QString path = folder.file(QStringLiteral("ayar.dat"));
        SettingsFile settings = SettingsFile::load(path);
        settings.setPassword(password, passwordRandom());
        settings.save(path);
        const SettingsFile back = SettingsFile::load(path);
        QCOMPARE(back.password(), password);
        for (int line = SettingsLine::PasswordFirst; line <= SettingsLine::Filler; ++line)
            QCOMPARE(back.line(line).size(), 8);
        // Lines other than the password's are untouched.
        QCOMPARE(back.lines().mid(0, 5), settings.lines().mid(0, 5));
        QCOMPARE(back.lines().mid(15), settings.lines().mid(15));
    }

    void everyByteValueSurvives()
    {
        SettingsFile settings =
            SettingsFile::fromLines(readInstalled(), QStringLiteral("ayar.dat"));
        for (int byte = 0; byte < 256; byte += 8) {
            QByteArray raw;
            for (int i = 0; i < 8; ++i)
                raw.append(char(byte + i));
            const QString password = decode1254(raw);
            settings.setPassword(password, passwordRandom());
            QCOMPARE(
                SettingsFile::fromLines(settings.lines(), QStringLiteral("ayar.dat")).password(),
                password);
        }
    }

    void twoSavesDrawDifferentDigits()
    {
        SettingsFile settings =
            SettingsFile::fromLines(readInstalled(), QStringLiteral("ayar.dat"));
        settings.setPassword(QStringLiteral("secret"), passwordRandom());
        const QStringList first = settings.lines();
        settings.setPassword(QStringLiteral("secret"), passwordRandom());
        QVERIFY(settings.lines() != first);
        QCOMPARE(settings.password(), QStringLiteral("secret"));
    }

    void layoutOfTheCodedLines()
    {
        // A fixed generator shows the layout: A = 4n + r + 50, B = r + 10; N = 5(c+500) + 98k.
        QRandomGenerator fixed(7);
        SettingsFile settings =
            SettingsFile::fromLines(readInstalled(), QStringLiteral("ayar.dat"));
        settings.setPassword(QStringLiteral("A"), fixed);
        const QString length = settings.line(SettingsLine::PasswordLength);
        const int a = length.left(2).toInt();
        const int b = length.right(2).toInt();
        QVERIFY(b >= 10 && b <= 19);
        QCOMPARE(a, 4 * 1 + (b - 10) + 50);
        const QString first = settings.line(SettingsLine::PasswordFirst);
        const int k = first.right(2).toInt();
        QVERIFY(k >= 20 && k <= 49);
        QCOMPARE(first.mid(2, 4).toInt(), 5 * (65 + 500) + 98 * k);
    }

    void damagedFilesAreRefused_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("table count not a number") << 1 << "ten";
        QTest::newRow("table count above 30") << 1 << "31";
        QTest::newRow("table count empty") << 1 << "";
        QTest::newRow("price with two commas") << 2 << "02,0,0";
        QTest::newRow("price with a third decimal") << 2 << "1,505";
        QTest::newRow("minimum charge with letters") << 3 << "0a,50";
    }

    void damagedFilesAreRefused()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        ProgramFolder folder;
        folder.setLine(QStringLiteral("ayar.dat"), line, text);
        const QByteArray before = folder.bytes(QStringLiteral("ayar.dat"));
        try {
            SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
            QFAIL("a damaged file was taken");
        } catch (const DataFileError &error) {
            verifyNamesTheLine(error, line, text);
        }
        QCOMPARE(folder.bytes(QStringLiteral("ayar.dat")), before);
    }

    // The board reads the lines it uses as they were always read: what it does not read, or
    // reads leniently, never stops the café.
    void startUpReadsWhatTheBoardReads_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("tables");
        QTest::addColumn<bool>("sound");
        QTest::newRow("negative table count") << 1 << "-3" << 6 << true;
        QTest::newRow("table count with blanks") << 1 << " 8 " << 8 << true;
        QTest::newRow("table count of 3") << 1 << "3" << 6 << true;
        QTest::newRow("table count of 30") << 1 << "30" << 30 << true;
        QTest::newRow("sound switch 2 is silent") << 4 << "2" << 10 << false;
        QTest::newRow("sound switch 1 with a blank is silent") << 4 << "1 " << 10 << false;
        QTest::newRow("price as a plain number") << 2 << " 2 " << 10 << true;
        QTest::newRow("first-start flag of another text") << 16 << "yes" << 10 << true;
        QTest::newRow("damaged password length") << 13 << "9x" << 10 << true;
        QTest::newRow("damaged password character") << 5 << "" << 10 << true;
    }

    void startUpReadsWhatTheBoardReads()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        QFETCH(int, tables);
        QFETCH(bool, sound);
        ProgramFolder folder;
        folder.setLine(QStringLiteral("ayar.dat"), line, text);
        const SettingsFile settings = SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
        QCOMPARE(settings.tableCount(), tables);
        QCOMPARE(settings.soundOn(), sound);
    }

    // The password lines are checked when the password is read; a damaged one never reads as
    // an empty password.
    void damagedPasswordLinesAreRefusedWhenRead_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("length not digits") << 13 << "9x";
        QTest::newRow("length too short") << 13 << "12";
        QTest::newRow("length beyond 8") << 13 << "99999910";
        QTest::newRow("length below 0") << 13 << "50000019";
        QTest::newRow("character not digits") << 5 << "1234567x";
        QTest::newRow("character beyond 255") << 5 << "00857720";
    }

    void damagedPasswordLinesAreRefusedWhenRead()
    {
        QFETCH(int, line);
        QFETCH(QString, text);
        ProgramFolder folder;
        SettingsFile settings = SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
        settings.setPassword(QStringLiteral("abc"), passwordRandom());
        settings.setLine(line, text);
        try {
            const QString password = settings.password();
            QFAIL(qPrintable(QStringLiteral("read as \"%1\"").arg(password)));
        } catch (const DataFileError &error) {
            verifyNamesTheLine(error, line, text);
        }
    }

    void truncatedFileIsRefusedAndLeftAlone()
    {
        ProgramFolder folder;
        const QByteArray whole = folder.bytes(QStringLiteral("ayar.dat"));
        const QByteArray cut = whole.left(whole.indexOf("english"));
        folder.writeBytes(QStringLiteral("ayar.dat"), cut);
        try {
            SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
            QFAIL("a truncated file was taken");
        } catch (const DataFileError &error) {
            QVERIFY(englishMessage(error).contains(QStringLiteral("ayar.dat")));
            QVERIFY(englishMessage(error).contains(QStringLiteral("15 lines")));
        }
        QCOMPARE(folder.bytes(QStringLiteral("ayar.dat")), cut);
    }

    void linesAfterTheLastAreKept()
    {
        ProgramFolder folder;
        QStringList lines = folder.lines(QStringLiteral("ayar.dat"));
        lines << QStringLiteral("a note of the operator");
        folder.write(QStringLiteral("ayar.dat"), lines);
        SettingsFile settings = SettingsFile::load(folder.file(QStringLiteral("ayar.dat")));
        settings.setPassword(QStringLiteral("pw"), passwordRandom());
        settings.save(folder.file(QStringLiteral("ayar.dat")));
        QCOMPARE(folder.lines(QStringLiteral("ayar.dat")).last(),
                 QStringLiteral("a note of the operator"));
    }

private:
    static QStringList readInstalled()
    {
        ProgramFolder folder;
        return folder.lines(QStringLiteral("ayar.dat"));
    }
};

QTEST_APPLESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
