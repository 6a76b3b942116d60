#include "storage/atomicfile.h"
#include "storage/datafileerror.h"
#include "storage/journal.h"
#include "storage/linefile.h"
#include "support/englishmessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace kirveno;
using kirveno::testing::englishMessage;

Q_DECLARE_METATYPE(kirveno::WriteStep)

namespace {

// Refuses one step of a write to the file whose name ends with the given text, once, as a
// passing fault of the disk would; every other step goes through.
struct RefusedStep
{
    static inline WriteStep step{};
    static inline QString file;
    static inline int refusals = 0;

    RefusedStep(WriteStep refused, const QString &fileEnd)
    {
        step = refused;
        file = fileEnd;
        refusals = 0;
        setWriteStepHook([](WriteStep at, const QString &path) {
            const bool refuse = refusals == 0 && at == step && path.endsWith(file);
            refusals += refuse ? 1 : 0;
            return refuse;
        });
    }
    ~RefusedStep() { setWriteStepHook(nullptr); }
    RefusedStep(const RefusedStep &) = delete;
    RefusedStep &operator=(const RefusedStep &) = delete;
};

// A folder with the two ledgers and the table state before a closing with a day roll-over.
struct Folder
{
    Folder()
    {
        writeLines(path(QStringLiteral("aylik.dat")), {"Kirveno LT monthly ledger"});
        // Ends with a lone LF and no final line break: putting back must bring back these
        // bytes, not the lines read from them.
        writeFileAtomically(path(QStringLiteral("gunluk.dat")),
                            "06.12.2026\nA              10:00 ---- 11:00 ---- 05,50-");
        writeLines(path(QStringLiteral("zaman.dat")), QStringList(120, QStringLiteral("0")));
        before = bytes();
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    QList<FileChange> rollOver() const
    {
        QStringList tables(120, QStringLiteral("0"));
        tables[0] = QStringLiteral("Kirveno");
        return {{path(QStringLiteral("aylik.dat")),
                 {"Kirveno LT monthly ledger", "06.12.2026 ---- 05,50"}},
                {path(QStringLiteral("gunluk.dat")),
                 {"07.12.2026", "Kirveno        21:07 ---- 23:15 ---- 05,50-"}},
                {path(QStringLiteral("zaman.dat")), tables}};
    }

    QList<QByteArray> bytes() const
    {
        QList<QByteArray> all;
        for (const char *name : {"aylik.dat", "gunluk.dat", "zaman.dat"}) {
            QFile file(path(QLatin1String(name)));
            all.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        }
        return all;
    }

    QList<QByteArray> changedBytes() const
    {
        QList<QByteArray> all;
        for (const FileChange &change : rollOver())
            all.append(joinLines(change.lines));
        return all;
    }

    QStringList entries() const { return QDir(dir.path()).entryList(QDir::Files, QDir::Name); }

    QTemporaryDir dir;
    QList<QByteArray> before;
};

const QStringList threeFiles{"aylik.dat", "gunluk.dat", "zaman.dat"};

} // namespace

class TestJournal : public QObject
{
    Q_OBJECT

private slots:
    void aChangeWritesEveryFileAndLeavesNothingElse()
    {
        Folder folder;
        commitChange(folder.rollOver());
        QCOMPARE(folder.bytes(), folder.changedBytes());
        QCOMPARE(folder.entries(), threeFiles);
    }

    // Whatever step of whatever write the system refuses, the change is reported and every file
    // keeps its bytes.
    void aRefusedStepChangesNothing_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::addColumn<QString>("file");
        const QList<std::pair<WriteStep, const char *>> steps = {
            {WriteStep::CreateTemporary, "create"},
            {WriteStep::WriteTemporary, "write"},
            {WriteStep::FlushTemporary, "flush"},
            {WriteStep::Rename, "rename"},
            {WriteStep::FlushFolder, "flush folder"}};
        for (const char *file : {"kirveno.journal", "aylik.dat", "gunluk.dat", "zaman.dat"}) {
            for (const auto &[step, name] : steps)
                QTest::addRow("%s of %s", name, file) << step << QString::fromLatin1(file);
        }
    }

    void aRefusedStepChangesNothing()
    {
        QFETCH(WriteStep, step);
        QFETCH(QString, file);
        Folder folder;
        {
            RefusedStep refused(step, file);
            try {
                commitChange(folder.rollOver());
                QFAIL("the refused step went unnoticed");
            } catch (const DataFileError &error) {
                QVERIFY(error.file().endsWith(file));
                const QString message = englishMessage(error);
                QVERIFY2(message.contains(QStringLiteral("cannot be written: Input/output error")),
                         qPrintable(message));
                QVERIFY(!message.contains(QStringLiteral("put back")));
            }
            QCOMPARE(RefusedStep::refusals, 1);
        }
        QCOMPARE(folder.bytes(), folder.before);
        QCOMPARE(folder.entries(), threeFiles);
        // The command can simply be tried again.
        commitChange(folder.rollOver());
        QCOMPARE(folder.bytes(), folder.changedBytes());
    }

    // Should the files not go back either, the journal stays and the next start completes the
    // change; until then nothing else may be written, or the start would undo it.
    void aChangeThatCannotBeTakenBackIsCompletedAtTheNextStart()
    {
        Folder folder;
        setWriteStepHook([](WriteStep step, const QString &path) {
            // zaman.dat cannot be replaced, and neither can aylik.dat be put back.
            static int renames = 0;
            return step == WriteStep::Rename
                   && (path.endsWith(QStringLiteral("zaman.dat"))
                       || (path.endsWith(QStringLiteral("aylik.dat")) && ++renames > 1));
        });
        try {
            commitChange(folder.rollOver());
            QFAIL("no error");
        } catch (const DataFileError &error) {
            QVERIFY(error.file().endsWith(QStringLiteral("zaman.dat")));
            QVERIFY(englishMessage(error).contains(QStringLiteral("completed when the program "
                                                                  "starts again")));
        }
        setWriteStepHook(nullptr);
        QVERIFY(QFile::exists(folder.path(QLatin1String(journalFileName))));

        for (const auto &write : std::initializer_list<std::function<void()>>{
                 [&] { writeLines(folder.path(QStringLiteral("zaman.dat")), {"0"}); },
                 [&] {
                     commitChange(folder.rollOver());
                 }}) {
            try {
                write();
                QFAIL("a write went through while a change was unfinished");
            } catch (const DataFileError &error) {
                QVERIFY(error.file().endsWith(QLatin1String(journalFileName)));
                QVERIFY(englishMessage(error).contains(QStringLiteral("start it again")));
            }
        }

        completeUnfinishedChange(folder.dir.path());
        QCOMPARE(folder.bytes(), folder.changedBytes());
        QCOMPARE(folder.entries(), threeFiles);
        writeLines(folder.path(QStringLiteral("zaman.dat")), QStringList(120, "0"));
    }

    void aKilledChangeIsCompletedFromItsJournal()
    {
        Folder folder;
        const QList<FileChange> change = folder.rollOver();
        // As a kill leaves it: the journal written, only the first file replaced.
        QList<JournalFile> files;
        for (const FileChange &file : change)
            files.append({QFileInfo(file.path).fileName(), joinLines(file.lines)});
        writeFileAtomically(folder.path(QLatin1String(journalFileName)), journalBytes(files));
        writeFileAtomically(change[0].path, files[0].bytes);

        completeUnfinishedChange(folder.dir.path());
        QCOMPARE(folder.bytes(), folder.changedBytes());
        QCOMPARE(folder.entries(), threeFiles);
        // Nothing to do the second time.
        completeUnfinishedChange(folder.dir.path());
        QCOMPARE(folder.bytes(), folder.changedBytes());
    }

    void journalsOfAnotherKindAreRefused_data()
    {
        QTest::addColumn<QByteArray>("journal");
        const QByteArray good = journalBytes({{"zaman.dat", "0\r\n"}, {"gunluk.dat", ""}});
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("another program's file") << QByteArray("[journal]\nzaman.dat=1\n");
        for (qsizetype cut : {qsizetype(10), good.size() / 2, good.size() - 1})
            QTest::addRow("cut after %lld bytes", qlonglong(cut)) << good.left(cut);
        QByteArray flipped = good;
        flipped[good.indexOf("0\r\n")] = '1';
        QTest::newRow("a changed byte") << flipped;
        QTest::newRow("no files") << journalBytes({});
        QTest::newRow("a file outside the folder") << journalBytes({{"../zaman.dat", "0\r\n"}});
        QTest::newRow("a file in a subfolder") << journalBytes({{"language/x.ini", "x"}});
    }

    void journalsOfAnotherKindAreRefused()
    {
        QFETCH(QByteArray, journal);
        Folder folder;
        const QString path = folder.path(QLatin1String(journalFileName));
        writeFileAtomically(path, journal);
        QVERIFY(!parseJournal(journal));
        try {
            completeUnfinishedChange(folder.dir.path());
            QFAIL("a foreign journal was taken");
        } catch (const DataFileError &error) {
            QCOMPARE(error.file(), path);
            QVERIFY(englishMessage(error).contains(QStringLiteral("data files were not touched")));
        }
        QCOMPARE(folder.bytes(), folder.before);
        QVERIFY(QFile::exists(path));
    }

    void journalsReadBackWhatTheyHold()
    {
        QByteArray everyByte;
        for (int b = 0; b < 256; ++b)
            everyByte.append(char(b));
        const QList<JournalFile> files = {
            {"zaman.dat", "0\r\n0\r\n"}, {"gunluk.dat", ""}, {"ayar.dat", everyByte + "\nend x\n"}};
        const auto read = parseJournal(journalBytes(files));
        QVERIFY(read);
        QCOMPARE(read->size(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(read->at(i).name, files[i].name);
            QCOMPARE(read->at(i).bytes, files[i].bytes);
        }
    }

    // A refused last step of a single write is reported, and the old file stays.
    void theLastStepsOfAWriteAreChecked_data()
    {
        QTest::addColumn<WriteStep>("step");
        QTest::newRow("flush") << WriteStep::FlushTemporary;
        QTest::newRow("rename") << WriteStep::Rename;
    }

    void theLastStepsOfAWriteAreChecked()
    {
        QFETCH(WriteStep, step);
        Folder folder;
        RefusedStep refused(step, QStringLiteral("zaman.dat"));
        QVERIFY_THROWS_EXCEPTION(DataFileError,
                                 writeLines(folder.path(QStringLiteral("zaman.dat")), {"x"}));
        QCOMPARE(folder.bytes(), folder.before);
        QCOMPARE(folder.entries(), threeFiles);
    }

    // Only the temporary files of the program's own writes that no running process owns go.
    void strayTemporariesAreRemovedAndNothingElse()
    {
        Folder folder;
        const QString dead = QStringLiteral("2147483000");
        const QString alive = QString::number(getppid());
        const QStringList stray = {"zaman.dat.tmp-" + dead, "kirveno.journal.tmp-" + dead,
                                   "gunluk.dat.tmp-" + QString::number(getpid())};
        const QStringList kept = {"zaman.dat.tmp-" + alive, "zaman.dat.backup",
                                  "zaman.dat.tmp-12x",      "zaman.dat.tmp-",
                                  "notes.dat.tmp-" + dead,  "zaman.dat.GPcpgD"};
        for (const QString &name : stray + kept)
            writeFileAtomically(folder.path(name), "x");
        removeStrayTemporaries(folder.dir.path(),
                               {"zaman.dat", "gunluk.dat", "aylik.dat", "kirveno.journal"});
        QStringList expected = threeFiles + kept;
        expected.sort();
        QCOMPARE(folder.entries(), expected);
    }
};

QTEST_APPLESS_MAIN(TestJournal)
#include "test_journal.moc"
