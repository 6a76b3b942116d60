// The program's writes on a file system that is really full: a small memory file system mounted
// for the test (skipped, saying why, where mounting is not allowed).
#include "sessions/closing.h"
#include "storage/datafileerror.h"
#include "storage/programfiles.h"
#include "storage/settingsfile.h"
#include "storage/tablestate.h"
#include "support/englishmessage.h"
#include "support/programfolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

constexpr qint64 page = 4096;

// A 64 KiB memory file system holding the installed data files, the rest filled page by page.
class FullDisk
{
public:
    FullDisk()
    {
        QProcess mount;
        mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", path()});
        mount.waitForFinished();
        m_mounted = mount.exitStatus() == QProcess::NormalExit && mount.exitCode() == 0;
        m_why = QString::fromLocal8Bit(mount.readAllStandardError()).trimmed();
    }
    ~FullDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {path()});
    }
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString whyNot() const { return m_why; }
    QString path() const { return m_dir.path() + QLatin1Char('/'); }

    // Fills the file system with one-page files, then frees the given number of pages.
    void fillLeaving(int freePages) const
    {
        QDir(path()).mkdir(QStringLiteral("filler"));
        for (int i = 0;; ++i) {
            QFile filler(path() + QStringLiteral("filler/%1").arg(i));
            if (!filler.open(QIODevice::WriteOnly) || filler.write(QByteArray(page, 'x')) != page
                || !filler.flush()) {
                filler.remove();
                break;
            }
        }
        for (int i = 0; i < freePages; ++i)
            QFile::remove(path() + QStringLiteral("filler/%1").arg(i));
    }

    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        for (const QString &name : QDir(path()).entryList(QDir::Files)) {
            QFile file(path() + name);
            file.open(QIODevice::ReadOnly);
            all.insert(name, file.readAll());
        }
        return all;
    }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

using Write = std::function<void(const QString &folder)>;

} // namespace

Q_DECLARE_METATYPE(Write)

class TestFullDisk : public QObject
{
    Q_OBJECT

private slots:
    void everyWriteLeavesTheOldFiles_data()
    {
        QTest::addColumn<Write>("write");
        QTest::addColumn<int>("freePages");
        QTest::addColumn<QString>("file");
        const Write openTable = [](const QString &folder) {
            writeTableRecord(folder + QLatin1String(tableStateFileName), 2,
                             {"Kirveno", "21:07", "0", "0"});
        };
        const Write closeWithRollOver = [](const QString &folder) {
            closeTable(folder, 0, {"Ali", "10:00", "11:00", 550}, QDate(2026, 12, 7));
        };
        const Write saveSettings = [](const QString &folder) {
            SettingsFile settings = SettingsFile::load(folder + QLatin1String(settingsFileName));
            settings.setLine(SettingsLine::FirstStart, QStringLiteral("1"));
            settings.save(folder + QLatin1String(settingsFileName));
        };
        QTest::newRow("table state") << openTable << 0 << "zaman.dat";
        QTest::newRow("closing with a roll-over") << closeWithRollOver << 0 << "kirveno.journal";
        // The journal fits, the first ledger does not: the change is taken back.
        QTest::newRow("closing with a roll-over, room for the journal only")
            << closeWithRollOver << 1 << "aylik.dat";
        QTest::newRow("settings") << saveSettings << 0 << "ayar.dat";
    }

    void everyWriteLeavesTheOldFiles()
    {
        QFETCH(Write, write);
        QFETCH(int, freePages);
        QFETCH(QString, file);
        FullDisk disk;
        if (!disk.mounted())
            QSKIP(qPrintable(QStringLiteral("a small file system cannot be mounted here (%1); "
                                            "the full disk is left untested")
                                 .arg(disk.whyNot())));
        {
            ProgramFolder installed;
            for (const char *name : {"ayar.dat", "zaman.dat", "gunluk.dat", "aylik.dat"})
                QVERIFY(QFile::copy(installed.file(QLatin1String(name)),
                                    disk.path() + QLatin1String(name)));
        }
        writeTableRecord(disk.path() + QLatin1String(tableStateFileName), 0,
                         {"Ali", "10:00", "0", "0"});
        disk.fillLeaving(freePages);
        const auto before = disk.files();

        try {
            write(disk.path());
            QFAIL("a write on a full disk went through");
        } catch (const DataFileError &error) {
            const QString message = englishMessage(error);
            QVERIFY2(error.file() == disk.path() + file, qPrintable(message));
            QVERIFY2(message.contains(QStringLiteral("cannot be written: No space left on device. "
                                                     "It was left as it was.")),
                     qPrintable(message));
            QVERIFY(!message.contains(QStringLiteral("put back")));
        }
        QCOMPARE(disk.files(), before);
    }
};

QTEST_GUILESS_MAIN(TestFullDisk)
#include "test_fulldisk.moc"
