#include "records/archive.h"
#include "storage/datafileerror.h"
#include "storage/linefile.h"
#include "support/englishmessage.h"

#include <QTest>

using namespace kirveno;
using kirveno::testing::englishMessage;

Q_DECLARE_METATYPE(kirveno::ArchivedFiles)

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    // Two settings lines, one monthly line and four loans lines make a ten-line archive.
    void archiveOfTheThreeFilesInTheirOrder()
    {
        const ArchivedFiles files = {QStringList{"Kafe", "12"}, QStringList{"01.12.2026 - 15,50"},
                                     QStringList{"Borçlar", "Ayşe", "05,50", ""}};
        const QStringList archive = archiveLines(QStringLiteral("/cafe/"), files);
        QCOMPARE(archive, QStringList({"Kafe", "12", "ayar.dat", "01.12.2026 - 15,50", "aylik.dat",
                                       "Borçlar", "Ayşe", "05,50", "", "borc.dat"}));
        QCOMPARE(joinLines(archive),
                 QByteArray("Kafe\r\n12\r\nayar.dat\r\n01.12.2026 - 15,50\r\naylik.dat\r\n"
                            "Bor\xe7lar\r\nAy\xfe"
                            "e\r\n05,50\r\n\r\nborc.dat\r\n"));
    }

    void splitGivesBackWhatWasPacked_data()
    {
        QTest::addColumn<ArchivedFiles>("files");
        QTest::newRow("three files")
            << ArchivedFiles{QStringList{"Kafe", "12", "01,50"}, QStringList{"30.11.2026 - 99,00"},
                             QStringList{"header", "Ali", "10,00", "not"}};
        QTest::newRow("files without lines") << ArchivedFiles{};
        QTest::newRow("only the middle file empty")
            << ArchivedFiles{QStringList{"a"}, QStringList{}, QStringList{"b"}};
        QTest::newRow("empty lines kept")
            << ArchivedFiles{QStringList{"", "x", ""}, QStringList{""}, QStringList{"h", "", ""}};
        QTest::newRow("lines that only look like markers")
            << ArchivedFiles{QStringList{" ayar.dat", "ayar.dat ", "ayar"},
                             QStringList{"aylik.da", "xaylik.dat", "aylık.dat"},
                             QStringList{"borc.dat.", "borc_dat", "ayar.dat aylik.dat"}};
    }

    void splitGivesBackWhatWasPacked()
    {
        QFETCH(ArchivedFiles, files);
        const QStringList archive = archiveLines(QStringLiteral("/cafe/"), files);
        qsizetype lineCount = 3;
        for (const QStringList &file : files)
            lineCount += file.size();
        QCOMPARE(archive.size(), lineCount);
        QCOMPARE(splitArchive(QStringLiteral("/x/archive.kva"), archive), files);
        // Through the bytes of a file, as a backup writes and a restore reads them.
        QCOMPARE(splitArchive(QStringLiteral("/x/archive.kva"), splitLines(joinLines(archive))),
                 files);
    }

    // Each file ends at the first marker of its name, in any letter case; what follows the last
    // marker is not part of the archive.
    void splitAtTheFirstMarkerOfEachName()
    {
        const QStringList archive = {"s",        "AYAR.DAT", "m",    "Aylik.Dat", "l",
                                     "ayar.dat", "BORC.dat", "tail", "borc.dat"};
        const ArchivedFiles files = splitArchive(QStringLiteral("/x/a.kva"), archive);
        QCOMPARE(files,
                 (ArchivedFiles{QStringList{"s"}, QStringList{"m"}, QStringList{"l", "ayar.dat"}}));
    }

    void notAnArchiveIsRefused_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("marker");
        QTest::newRow("empty file") << QStringList{} << "ayar.dat";
        QTest::newRow("another text")
            << QStringList{"[Program Messages]", "000001=Kirveno"} << "ayar.dat";
        QTest::newRow("no settings marker")
            << QStringList{"a", "aylik.dat", "borc.dat"} << "ayar.dat";
        QTest::newRow("no monthly marker") << QStringList{"ayar.dat", "borc.dat"} << "aylik.dat";
        QTest::newRow("no loans marker") << QStringList{"ayar.dat", "aylik.dat", "x"} << "borc.dat";
        QTest::newRow("monthly before settings")
            << QStringList{"aylik.dat", "ayar.dat", "aylik.dat", "borc.dat"} << "aylik.dat";
        QTest::newRow("loans before monthly")
            << QStringList{"ayar.dat", "borc.dat", "aylik.dat", "borc.dat"} << "borc.dat";
    }

    void notAnArchiveIsRefused()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, marker);
        try {
            splitArchive(QStringLiteral("/home/cafe/notes.kva"), lines);
            QFAIL("not refused");
        } catch (const DataFileError &error) {
            QCOMPARE(
                englishMessage(error),
                "/home/cafe/notes.kva\n\nThis file is not an archive of Kirveno LT: the line \""
                    + marker + "\", which ends the lines of " + marker
                    + ", is missing or out of order. Nothing was restored.");
        }
    }

    // A line equal to a marker would end its file early at a restore: the backup names the file,
    // the line and its text instead.
    void lineEqualToAMarkerIsRefused_data()
    {
        QTest::addColumn<ArchivedFiles>("files");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");
        QTest::newRow("own marker in the settings")
            << ArchivedFiles{QStringList{"Kafe", "ayar.dat"}, QStringList{}, QStringList{}}
            << "ayar.dat" << 2 << "ayar.dat";
        QTest::newRow("later marker in the settings")
            << ArchivedFiles{QStringList{"Borc.Dat"}, QStringList{}, QStringList{}} << "ayar.dat"
            << 1 << "Borc.Dat";
        QTest::newRow("earlier marker in the loans")
            << ArchivedFiles{QStringList{"Kafe"}, QStringList{"m"}, QStringList{"h", "AYAR.DAT"}}
            << "borc.dat" << 2 << "AYAR.DAT";
        QTest::newRow("marker in the monthly ledger")
            << ArchivedFiles{QStringList{}, QStringList{"x", "y", "aylik.DAT"}, QStringList{}}
            << "aylik.dat" << 3 << "aylik.DAT";
    }

    void lineEqualToAMarkerIsRefused()
    {
        QFETCH(ArchivedFiles, files);
        QFETCH(QString, file);
        QFETCH(int, line);
        QFETCH(QString, text);
        try {
            archiveLines(QStringLiteral("/cafe/"), files);
            QFAIL("not refused");
        } catch (const DataFileError &error) {
            QCOMPARE(englishMessage(error),
                     "/cafe/" + file + "\n\nLine " + QString::number(line) + " holds \"" + text
                         + "\", the name of a file of the archive, which a restore would take for "
                           "the end of this file's lines. Change the line and back up again; no "
                           "archive was written.");
        }
    }
};

QTEST_MAIN(TestArchive)
#include "test_archive.moc"
