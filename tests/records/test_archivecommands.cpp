#include "records/archivecommands.h"
#include "support/boardfixture.h"

#include <QDir>
#include <QMap>
#include <QTest>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

const QString filter = QStringLiteral("Kirveno LT Archive Files (*.kva);;All Files (*)");
const QString overwriteQuestion =
    QStringLiteral("Information | If program found same name of archive file in this folder  "
                   "new archive file will overwrite. Accept?");
const QString restartQuestion = QStringLiteral("Information | New settings will done. Accept ?");

// A started board with the three archived files of known lines, and the backup and restore
// commands on it.
struct ArchiveFixture : BoardFixture
{
    ArchiveFixture()
    {
        start();
        folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::BusinessName,
                       QStringLiteral("Kafe Kirveno"));
        folder.write(QStringLiteral("aylik.dat"), {"30.11.2026 - 99,50"});
        folder.write(QStringLiteral("borc.dat"), {"Borçlar", "Ayşe", "05,50", ""});
        commands = std::make_unique<ArchiveCommands>(state, *board);
    }

    // Every file of the folder with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> found;
        for (const QString &name : QDir(folder.path()).entryList(QDir::Files))
            found.insert(name, folder.bytes(name));
        return found;
    }

    std::unique_ptr<ArchiveCommands> commands;
};

} // namespace

class TestArchiveCommands : public QObject
{
    Q_OBJECT

private slots:
    void backUpWritesTheArchiveAfterAsking()
    {
        ArchiveFixture f;
        f.folder.write(QStringLiteral("ayar.dat"), {"Kafe Kirveno", "12"});
        f.platform.fileToSave = f.folder.file(QStringLiteral("archive.kva"));
        f.platform.answers = {true};
        f.commands->backUp();
        QCOMPARE(f.platform.errors, QStringList());
        QCOMPARE(f.platform.filters, QStringList{filter});
        QCOMPARE(f.platform.questions, QStringList{overwriteQuestion});
        QCOMPARE(f.folder.bytes(QStringLiteral("archive.kva")),
                 QByteArray("Kafe Kirveno\r\n12\r\nayar.dat\r\n30.11.2026 - 99,50\r\naylik.dat\r\n"
                            "Bor\xe7lar\r\nAy\xfe"
                            "e\r\n05,50\r\n\r\nborc.dat\r\n"));
    }

    // Restore writes the three files of the archive, leaves the day's ledger and the tables
    // alone, and restarts only when the operator says Yes.
    void restoreGivesBackTheFilesOfTheBackup_data()
    {
        QTest::addColumn<bool>("restart");
        QTest::newRow("Yes restarts") << true;
        QTest::newRow("No goes on") << false;
    }

    void restoreGivesBackTheFilesOfTheBackup()
    {
        QFETCH(bool, restart);
        ArchiveFixture f;
        const QString archive = f.folder.file(QStringLiteral("archive.kva"));
        f.platform.fileToSave = archive;
        f.platform.answers = {true};
        f.commands->backUp();
        const QMap<QString, QByteArray> backedUp = f.files();

        f.folder.write(QStringLiteral("ayar.dat"), {"Another", "30", "01,00"});
        f.folder.write(QStringLiteral("aylik.dat"), {});
        f.folder.write(QStringLiteral("borc.dat"), {"h", "Ali", "10,00", "later"});
        f.folder.write(QStringLiteral("gunluk.dat"), {"today's line"});
        f.folder.openTable(2, QStringLiteral("Ece"), QStringLiteral("09:30"));
        QMap<QString, QByteArray> expected = backedUp;
        expected[QStringLiteral("gunluk.dat")] = f.folder.bytes(QStringLiteral("gunluk.dat"));
        expected[QStringLiteral("zaman.dat")] = f.folder.bytes(QStringLiteral("zaman.dat"));

        f.platform.fileToOpen = archive;
        f.platform.questions.clear();
        f.platform.answers = {restart};
        f.commands->restore();
        QCOMPARE(f.platform.errors, QStringList());
        QCOMPARE(f.platform.filters.last(), filter);
        QCOMPARE(f.platform.questions, QStringList{restartQuestion});
        QCOMPARE(f.files(), expected);
        QCOMPARE(f.platform.restarts, restart ? 1 : 0);
    }

    // A cancelled dialog or a No to the overwrite question writes nothing.
    void nothingWrittenWhenTheOperatorStops_data()
    {
        QTest::addColumn<bool>("backUp");
        QTest::addColumn<bool>("chooseFile");
        QTest::newRow("backup dialog cancelled") << true << false;
        QTest::newRow("backup answered No") << true << true;
        QTest::newRow("restore dialog cancelled") << false << false;
    }

    void nothingWrittenWhenTheOperatorStops()
    {
        QFETCH(bool, backUp);
        QFETCH(bool, chooseFile);
        ArchiveFixture f;
        // An archive of other files lies where the operator might choose it.
        const QString archive = f.folder.file(QStringLiteral("old.kva"));
        f.folder.write(QStringLiteral("old.kva"),
                       {"x", "ayar.dat", "y", "aylik.dat", "z", "borc.dat"});
        if (chooseFile)
            f.platform.fileToSave = archive;
        f.platform.answers = {false};
        const QMap<QString, QByteArray> before = f.files();
        if (backUp)
            f.commands->backUp();
        else
            f.commands->restore();
        QCOMPARE(f.files(), before);
        QCOMPARE(f.platform.errors, QStringList());
        QCOMPARE(f.platform.questions.size(), chooseFile ? 1 : 0);
        QCOMPARE(f.platform.restarts, 0);
    }

    void restoreRefusesAFileThatIsNotAnArchive_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        const QString notArchive = QStringLiteral(
            "This file is not an archive of Kirveno LT: the line \"%1\", which ends the lines of "
            "%1, is missing or out of order. Nothing was restored.");
        QTest::newRow("a text file")
            << QByteArray("Kafe\r\n12\r\n") << notArchive.arg(QStringLiteral("ayar.dat"));
        QTest::newRow("markers out of order")
            << QByteArray("a\r\nayar.dat\r\nborc.dat\r\nb\r\naylik.dat\r\n")
            << notArchive.arg(QStringLiteral("borc.dat"));
        QTest::newRow("settings the program could not read")
            << QByteArray("Kafe\r\n12\r\nayar.dat\r\naylik.dat\r\nborc.dat\r\n")
            << QStringLiteral(
                   "The file holds 2 lines; it must hold 17. The file was left as it is.");
        const QByteArray settings = ProgramFolder().bytes(QStringLiteral("ayar.dat"));
        QTest::newRow("a loan amount the program could not read")
            << settings + "ayar.dat\r\naylik.dat\r\nh\r\nAli\r\n5,5\r\n\r\nborc.dat\r\n"
            << QStringLiteral("Line 3 holds \"5,5\", where a loan of two digits, a comma and two "
                              "digits, such as 05,50 was expected. The file was left as it is.");
        QTest::newRow("no file") << QByteArray()
                                 << QStringLiteral(
                                        "The file cannot be read: No such file or directory.");
    }

    void restoreRefusesAFileThatIsNotAnArchive()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        ArchiveFixture f;
        const QString path = f.folder.file(QStringLiteral("chosen.kva"));
        if (!bytes.isEmpty())
            f.folder.writeBytes(QStringLiteral("chosen.kva"), bytes);
        const QMap<QString, QByteArray> before = f.files();
        f.platform.fileToOpen = path;
        f.platform.answers = {true};
        f.commands->restore();
        QCOMPARE(f.files(), before);
        QCOMPARE(f.platform.questions, QStringList());
        QCOMPARE(f.platform.errors, QStringList{QDir::toNativeSeparators(path) + "\n\n" + message});
    }

    // A loans line equal to a marker name is refused before the dialog, naming the file.
    void backUpRefusesALineEqualToAMarker()
    {
        ArchiveFixture f;
        f.folder.write(QStringLiteral("borc.dat"), {"Borçlar", "AYLIK.DAT", "05,50", ""});
        f.platform.fileToSave = f.folder.file(QStringLiteral("archive.kva"));
        f.platform.answers = {true};
        const QMap<QString, QByteArray> before = f.files();
        f.commands->backUp();
        QCOMPARE(f.files(), before);
        QCOMPARE(f.platform.filters, QStringList());
        QCOMPARE(f.platform.errors,
                 QStringList{QDir::toNativeSeparators(f.folder.file(QStringLiteral("borc.dat")))
                             + "\n\nLine 2 holds \"AYLIK.DAT\", the name of a file of the archive, "
                               "which a restore would take for the end of this file's lines. "
                               "Change the line and back up again; no archive was written."});
    }
};

QTEST_MAIN(TestArchiveCommands)
#include "test_archivecommands.moc"
