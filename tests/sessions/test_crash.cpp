// Kills a process that opens, edits, moves and closes tables (with day roll-overs) at every step
// of its writes in turn and at random instants, runs the start-up after each kill, and checks
// that the folder then holds exactly what the process had done up to one of its operations:
// every session booked once or not at all, a table free exactly when its session is booked, a
// day's total in the monthly ledger once, every file readable and nothing left behind.
//
// KIRVENO_CRASH_CYCLES sets the number of killed processes (300 by default; bench/crash.sh runs
// many more).
#include "board/programstate.h"
#include "storage/datafileerror.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"
#include "support/programfolder.h"
#include "support/scriptedplatform.h"
#include "support/sessionscript.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <thread>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

constexpr int operationsPerProcess = 12;

const QStringList dataFiles{"ayar.dat", "aylik.dat", "borc.dat", "gunluk.dat", "zaman.dat"};

// The files a closing changes, as bytes.
struct Snapshot
{
    QByteArray tables;
    QByteArray daily;
    QByteArray monthly;
    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

Snapshot snapshotOf(const QString &folder)
{
    const auto bytes = [&](const char *name) {
        QFile file(folder + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    };
    return {bytes("zaman.dat"), bytes("gunluk.dat"), bytes("aylik.dat")};
}

void restore(const QString &folder, const Snapshot &snapshot)
{
    for (const auto &[name, bytes] :
         {std::pair{"zaman.dat", snapshot.tables}, std::pair{"gunluk.dat", snapshot.daily},
          std::pair{"aylik.dat", snapshot.monthly}}) {
        QFile file(folder + QLatin1String(name));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }
}

// What the ledgers and the table state say about the sessions.
struct Books
{
    explicit Books(const Snapshot &snapshot)
    {
        const TableState tables = TableState::fromLines(splitLines(snapshot.tables), "zaman.dat");
        for (int table = 0; table < tableSlots; ++table) {
            if (tables.isOpen(table))
                open.append(tables.record(table).name);
        }
        daily = splitLines(snapshot.daily);
        for (const QString &record : daily.mid(1)) {
            if (!record.isEmpty())
                booked.append(record.left(15).trimmed());
        }
        monthly = splitLines(snapshot.monthly);
        total = dayTotal(daily, QStringLiteral("gunluk.dat"));
    }

    QStringList open;
    QStringList booked;
    QStringList daily;
    QStringList monthly;
    Cents total = 0;
};

bool distinct(const QStringList &list)
{
    return QSet<QString>(list.begin(), list.end()).size() == list.size();
}

// A state the program may be found in: every file reads, no session is both open and booked or
// booked twice, no day is in the monthly ledger twice.
void checkState(const Snapshot &snapshot)
{
    const Books books(snapshot);
    QVERIFY2(distinct(books.open + books.booked),
             qPrintable((books.open + books.booked).join(' ')));
    QStringList days;
    for (const QString &line : books.monthly.mid(1))
        days.append(line.left(10));
    QVERIFY2(distinct(days), qPrintable(days.join(' ')));
}

// One operation's change: an open session stays open or is booked; the day's records only grow
// unless the day rolled over, and then its total went into the monthly ledger exactly once.
void checkStep(const Snapshot &before, const Snapshot &after)
{
    const Books was(before);
    const Books is(after);
    for (const QString &name : was.open)
        QVERIFY2(is.open.contains(name) || is.booked.contains(name), qPrintable(name));
    if (is.daily.value(0) == was.daily.value(0)) {
        QCOMPARE(is.monthly, was.monthly);
        QCOMPARE(is.booked.mid(0, was.booked.size()), was.booked);
        QVERIFY(is.booked.size() - was.booked.size() <= 1);
    } else {
        QCOMPARE(is.monthly, was.monthly + QStringList{monthlyLine(was.daily.value(0), was.total)});
        QCOMPARE(is.booked.size(), 1);
        QVERIFY(was.open.contains(is.booked.first()));
    }
    for (const QString &name : is.booked.mid(was.booked.size() * (is.daily[0] == was.daily[0])))
        QVERIFY2(!is.open.contains(name) && was.open.contains(name), qPrintable(name));
}

// A kill, unlike a power cut, leaves whatever reached the kernel, so a memory file system tells
// as much as a disk here, and its flushes cost nothing.
QString temporaryFolder()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    return (memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath())
           + QStringLiteral("/kirveno-crash-XXXXXX");
}

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT

private slots:
    void killedAtAnyInstantTheNextStartFindsAWholeState()
    {
        const int cycles = qEnvironmentVariableIntValue("KIRVENO_CRASH_CYCLES") > 0
                               ? qEnvironmentVariableIntValue("KIRVENO_CRASH_CYCLES")
                               : 300;
        ProgramFolder folder(temporaryFolder());
        folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::TableCount, QStringLiteral("30"));
        QTemporaryDir scratchDir(temporaryFolder());
        const QString scratch = scratchDir.path() + QLatin1Char('/');
        QVERIFY(QFile::copy(folder.file("ayar.dat"), scratch + "ayar.dat"));
        QRandomGenerator random(20261210);
        QDateTime clock(QDate(2026, 12, 7), QTime(8, 0));

        QMap<QString, int> killsAtStep;
        int killedAtStep = 0;
        int killedAtRandom = 0;
        int notKilled = 0;
        // Step kills sweep the steps 1, 2, 3 ... of successive processes until one runs to its
        // end; random kills fall within a span that shrinks when a process outran it and grows
        // when it did not, so that most of them land among the operations.
        int nextStep = 1;
        qint64 spanNs = 2'000'000;
        QList<int> outcomes(operationsPerProcess + 1, 0);
        QElapsedTimer took;
        took.start();

        for (int cycle = 0; cycle < cycles; ++cycle) {
            // What the process will do: each operation played in a folder of our own.
            const Snapshot start = snapshotOf(folder.path());
            restore(scratch, start);
            QList<Snapshot> states{start};
            SessionScript replay(scratch, quint32(cycle), clock);
            for (int i = 0; i < operationsPerProcess; ++i) {
                replay.step();
                states.append(snapshotOf(scratch));
                checkState(states.last());
                checkStep(states[i], states.last());
                if (QTest::currentTestFailed())
                    QFAIL(qPrintable(QStringLiteral("operation %1 of cycle %2").arg(i).arg(cycle)));
            }

            // The process, killed at its next write step or at a random instant.
            const bool atStep = cycle % 2 == 0;
            QStringList args{folder.path(), QString::number(cycle), clock.toString(Qt::ISODate),
                             QString::number(operationsPerProcess)};
            if (atStep)
                args.append(QString::number(nextStep++));
            QProcess worker;
            worker.start(QStringLiteral(CRASH_WORKER), args);
            QVERIFY(worker.waitForStarted());
            while (!worker.canReadLine() && worker.waitForReadyRead(60000)) {
            }
            QCOMPARE(worker.readLine(), QByteArray("go\n"));
            if (!atStep) {
                std::this_thread::sleep_for(
                    std::chrono::nanoseconds(random.bounded(qint64(1), spanNs)));
                worker.kill();
            }
            QVERIFY(worker.waitForFinished(60000));
            const QByteArray said = worker.readAllStandardOutput().trimmed();
            if (worker.exitStatus() == QProcess::NormalExit) {
                QCOMPARE(worker.exitCode(), 0);
                ++notKilled;
                if (atStep)
                    nextStep = 1;
                else
                    spanNs = std::max<qint64>(spanNs * 7 / 10, 10'000);
            } else if (atStep) {
                QVERIFY2(!said.isEmpty(), "killed by something else");
                ++killsAtStep[QString::fromUtf8(said)];
                ++killedAtStep;
            } else {
                ++killedAtRandom;
                spanNs = spanNs * 11 / 10;
            }

            // The next start, and what it finds.
            ScriptedPlatform platform;
            ProgramState state;
            try {
                state.load(folder.path(), platform);
            } catch (const DataFileError &error) {
                QFAIL(error.what());
            }
            QVERIFY(state.loaded);
            QCOMPARE(QDir(folder.path()).entryList(QDir::Files, QDir::Name), dataFiles);
            const Snapshot found = snapshotOf(folder.path());
            const qsizetype outcome = states.indexOf(found);
            QVERIFY2(outcome >= 0, qPrintable(QStringLiteral("cycle %1 left a state that no "
                                                             "operation made:\n%2\n%3")
                                                  .arg(cycle)
                                                  .arg(QString::fromLatin1(found.daily))
                                                  .arg(QString::fromLatin1(found.monthly))));
            ++outcomes[outcome];
            clock = replay.clock();
        }

        qInfo("%d processes in %lld ms: %d killed at a write step, %d at a random instant, %d "
              "ran to their end",
              cycles, took.elapsed(), killedAtStep, killedAtRandom, notKilled);
        for (auto it = killsAtStep.cbegin(); it != killsAtStep.cend(); ++it)
            qInfo("  killed before: %-60s %d", qPrintable(it.key()), it.value());
        QStringList found;
        for (int i = 0; i <= operationsPerProcess; ++i)
            found.append(QString::number(outcomes[i]));
        qInfo("  starts that found the state after 0..%d operations: %s", operationsPerProcess,
              qPrintable(found.join(QLatin1Char(' '))));
    }
};

QTEST_GUILESS_MAIN(TestCrash)
#include "test_crash.moc"
