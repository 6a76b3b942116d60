#include "settings/texttable.h"
#include "storage/codepage.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "support/programfolder.h"

#include <QTest>

using namespace kirveno;
using kirveno::testing::ProgramFolder;

namespace {

QStringList header(const QString &version = QStringLiteral("1.4"))
{
    return {"<?",
            "**** Kirveno LT Test Language File ****",
            "Program_Name=Kirveno LT",
            "Program_Version=" + version,
            "Language=Testish",
            "-----"};
}

} // namespace

class TestTextTable : public QObject
{
    Q_OBJECT

private slots:
    void parsing()
    {
        const TextTable table = TextTable::fromLines({
            "a comment line without the sign",
            "000018=Ok ",
            "000018=Second entry loses",
            "language(LOCAL)=Türkçe",
            "000020=a=b",
            " 000021=leading space is part of the name",
            "000022=",
        });
        QCOMPARE(table.text(u"000018"), QStringLiteral("Ok "));
        QCOMPARE(table.text(u"Language(local)"), QStringLiteral("Türkçe"));
        QCOMPARE(table.text(u"000020"), QStringLiteral("a=b"));
        QCOMPARE(table.text(u"000021"), QString());
        QCOMPARE(table.text(u"000022"), QString());
        QCOMPARE(table.text(u"000999"), QString());
        QCOMPARE(table.text(u"a comment line without the sign"), QString());
    }

    void builtInEnglishIsComplete()
    {
        const TextTable english = TextTable::builtInEnglish();
        QCOMPARE(english.text(u"Program_Name"), QStringLiteral("Kirveno LT"));
        QCOMPARE(english.text(u"Program_Version"), QStringLiteral("1.4"));
        QCOMPARE(english.text(u"Language"), QStringLiteral("English"));
        QCOMPARE(english.text(u"000001"), QStringLiteral("Table Name"));
        QCOMPARE(english.text(u"000018"), QStringLiteral("Ok "));
        QCOMPARE(english.text(u"000135"), QStringLiteral("Quesiton"));
        QCOMPARE(english.text(u"000184"),
                 QStringLiteral("If program found same name of archive file in this folder "));
        const QStringList used = {
            "000001", "000002", "000003", "000004", "000005", "000006", "000007", "000008",
            "000009", "000012", "000013", "000014", "000015", "000016", "000017", "000019",
            "000020", "000021", "000022", "000023", "000024", "000025", "000026", "000027",
            "000029", "000030", "000031", "000032", "000033", "000034", "000035", "000036",
            "000037", "000038", "000039", "000040", "000041", "000043", "000044", "000045",
            "000046", "000047", "000048", "000049", "000050", "000051", "000052", "000053",
            "000054", "000055", "000056", "000057", "000058", "000059", "000060", "000061",
            "000062", "000134", "000136", "000137", "000138", "000139", "000140", "000141",
            "000142", "000143", "000144", "000145", "000146", "000147", "000148", "000149",
            "000150", "000151", "000152", "000155", "000156", "000157", "000180", "000182",
            "000183", "000185", "000186"};
        for (const QString &key : used)
            QVERIFY2(!english.text(key).isEmpty(), qPrintable(key));
    }

    void installedFilesAreThisVersion()
    {
        ProgramFolder folder;
        const ActiveTexts english = loadActiveTexts(folder.path(), QStringLiteral("english"));
        QCOMPARE(english.languageName, QStringLiteral("English"));
        const ActiveTexts turkish = loadActiveTexts(folder.path(), QStringLiteral("turkish"));
        QCOMPARE(turkish.languageName, QStringLiteral("Turkish"));
        QCOMPARE(turkish.table.text(u"Language(local)"), QStringLiteral("Türkçe"));
        QCOMPARE(turkish.table.text(u"000012"), QStringLiteral("Masa"));
        // The installed English file is the table the program carries.
        const TextTable builtIn = TextTable::builtInEnglish();
        const QStringList lines = folder.lines(QStringLiteral("language/english.ini"));
        for (const QString &line : lines) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0)
                QCOMPARE(english.table.text(line.left(equals)), builtIn.text(line.left(equals)));
        }
    }

    void loading_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("fileStem");
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<QString>("language");
        QTest::newRow("valid file") << "testish"
                                    << "testish" << header() << "Testish";
        QTest::newRow("missing file") << "klingon"
                                      << "testish" << header() << "English";
        QTest::newRow("version 1.3") << "testish"
                                     << "testish" << header("1.3") << "English";
        QTest::newRow("another program")
            << "testish"
            << "testish"
            << QStringList{"Program_Name=Kirveno XL", "Program_Version=1.4", "Language=Testish"}
            << "English";
        QTest::newRow("yok is never read") << "yok"
                                           << "yok" << header() << "English";
        QTest::newRow("name cut to 20 characters")
            << "abcdefghijklmnopqrstuvwxyz"
            << "abcdefghijklmnopqrst" << header() << "Testish";
    }

    void loading()
    {
        QFETCH(QString, setting);
        QFETCH(QString, fileStem);
        QFETCH(QStringList, file);
        QFETCH(QString, language);
        ProgramFolder folder;
        folder.write(QStringLiteral("language/") + fileStem + QStringLiteral(".ini"),
                     file + QStringList{"000012=Tablo"});
        const ActiveTexts active = loadActiveTexts(folder.path(), setting);
        QCOMPARE(active.languageName, language);
        QCOMPARE(active.table.text(u"000012"), language == QLatin1String("English")
                                                   ? QStringLiteral("Table")
                                                   : QStringLiteral("Tablo"));
    }

    // A file made before the program's own texts (000190 on) existed still gives every
    // message: those fall back to English; the texts every language file has do not.
    void aValidFileWithoutAKeyGivesAnEmptyTextUnlessTheKeyIsOurOwn()
    {
        ProgramFolder folder;
        folder.write(QStringLiteral("language/testish.ini"), header() + QStringList{"000191=R %1"});
        const TextTable testish = loadActiveTexts(folder.path(), QStringLiteral("testish")).table;
        QCOMPARE(testish.text(u"000138"), QString());
        QCOMPARE(testish.text(u"000191"), QStringLiteral("R %1"));
        QCOMPARE(testish.text(u"000207"),
                 QStringLiteral("Table %1 is not open any more; nothing was booked."));
        QCOMPARE(testish.text(u"000999"), QString());
        QCOMPARE(testish.text(u"00020"), QString());
    }

    // Every text of our own is translated, with the same places to fill.
    void ourOwnTextsAreInEveryInstalledLanguage()
    {
        ProgramFolder folder;
        const QStringList english = folder.lines(QStringLiteral("language/english.ini"));
        const TextTable turkish = loadActiveTexts(folder.path(), QStringLiteral("turkish")).table;
        const auto places = [](const QString &text) {
            QStringList found;
            for (qsizetype i = text.indexOf(QLatin1Char('%')); i >= 0;
                 i = text.indexOf(QLatin1Char('%'), i + 1))
                found.append(text.mid(i, 2));
            found.sort();
            return found;
        };
        int ownKeys = 0;
        for (const QString &line : english) {
            const QString key = line.section(QLatin1Char('='), 0, 0);
            if (key.size() != 6 || key < QLatin1String("000190"))
                continue;
            ++ownKeys;
            const QString text = line.section(QLatin1Char('='), 1);
            QVERIFY2(!turkish.text(key).isEmpty() && turkish.text(key) != text, qPrintable(key));
            QCOMPARE(places(turkish.text(key)), places(text));
        }
        QVERIFY(ownKeys > 0);
    }

    // A file error reads in the language in force; a text found in the file stays as it is,
    // even one that looks like a place to fill.
    void fileErrorsInTheLanguageInForce()
    {
        ProgramFolder folder;
        const DataFileError error = [] {
            try {
                throwBadLine(QStringLiteral("/cafe/zaman.dat"), 4, QStringLiteral("9:%2"),
                             u"000201");
            } catch (const DataFileError &thrown) {
                return thrown;
            }
        }();
        QCOMPARE(TextTable::builtInEnglish().message(error),
                 QStringLiteral("/cafe/zaman.dat\n\nLine 5 holds \"9:%2\", where a start time "
                                "HH:MM or \"0\" was expected. The file was left as it is."));
        const TextTable turkish = loadActiveTexts(folder.path(), QStringLiteral("turkish")).table;
        QCOMPARE(turkish.message(error),
                 QStringLiteral("/cafe/zaman.dat\n\n5. satırda \"9:%2\" yazıyor; burada SS:DD "
                                "biçiminde bir başlama saati ya da \"0\" bekleniyordu. Dosya "
                                "olduğu gibi bırakıldı."));
    }
};

QTEST_APPLESS_MAIN(TestTextTable)
#include "test_texttable.moc"
