#include "board/tick.h"
#include "storage/codepage.h"
#include "storage/datafileerror.h"
#include "storage/settingsfile.h"
#include "support/programfolder.h"

#include <QRandomGenerator>
#include <QTest>

using namespace kirveno;
using kirveno::testing::ProgramFolder;

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
        QTest::newRow("price without comma") << 2 << "0200";
        QTest::newRow("minimum charge with letters") << 3 << "0a,50";
        QTest::newRow("sound switch") << 4 << "yes";
        QTest::newRow("password length") << 13 << "12";
        QTest::newRow("password length beyond 8") << 13 << "99999910";
        QTest::newRow("first-start flag") << 16 << "";
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
            QVERIFY(error.message().contains(QStringLiteral("ayar.dat")));
            QVERIFY2(error.message().contains(QStringLiteral("Line %1 ").arg(line + 1)),
                     qPrintable(error.message()));
        }
        QCOMPARE(folder.bytes(QStringLiteral("ayar.dat")), before);
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
            QVERIFY(error.message().contains(QStringLiteral("ayar.dat")));
            QVERIFY(error.message().contains(QStringLiteral("15 lines")));
        }
        QCOMPARE(folder.bytes(QStringLiteral("ayar.dat")), cut);
    }

    void smallTableCountsShowSix()
    {
        QStringList lines = readInstalled();
        lines[SettingsLine::TableCount] = QStringLiteral("3");
        QCOMPARE(SettingsFile::fromLines(lines, QStringLiteral("ayar.dat")).tableCount(), 6);
        lines[SettingsLine::TableCount] = QStringLiteral("30");
        QCOMPARE(SettingsFile::fromLines(lines, QStringLiteral("ayar.dat")).tableCount(), 30);
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
