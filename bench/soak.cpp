// A day and a night of a busy café, on the scripted clock: 30 tables, an opening, an edit or a
// closing every one to six minutes, pre-paid limits running out, midnight rolling the daily
// ledger over. Checks that the ledgers booked every closing once and that resident memory stays
// flat after the first hour; run under AddressSanitizer it also shows leaks and faults.
//   bench_soak [--hours N] [--seed N] [--no-memory-check]
#include "storage/ledgers.h"
#include "storage/settingsfile.h"
#include "support/dialogfixture.h"
#include "widgets/arrowfield.h"
#include "widgets/storedtextfield.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <cstdio>

using namespace kirveno;
using namespace kirveno::testing;

namespace {

constexpr int tables = 30;
constexpr qint64 ticksPerMinute = 120;
constexpr qint64 ticksPerHour = 60 * ticksPerMinute;
constexpr long allowedGrowthKib = 1024;

long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// What the program's own event loop does between two ticks. Called from outside any event
// loop, processEvents() leaves objects given to deleteLater() alone; the loop would delete them.
void runPendingEvents()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

Cents amountAfterSeparator(const QString &line)
{
    const QString separator = QStringLiteral(" ---- ");
    return parseAmount(QStringView(line).mid(line.lastIndexOf(separator) + separator.size()))
        .value_or(-1);
}

class Soak
{
public:
    explicit Soak(quint32 seed)
        : m_random(seed)
    {
        m_f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::TableCount,
                           QStringLiteral("30"));
        m_f.folder.setLine(QStringLiteral("ayar.dat"), SettingsLine::FirstStart,
                           QStringLiteral("1"));
        m_f.platform.clock = QDateTime(QDate(2026, 12, 7), QTime(6, 0));
        m_expectedDaily = QStringList{dateText(m_f.platform.clock.date())};
        m_f.folder.write(QStringLiteral("gunluk.dat"), m_expectedDaily);
        m_expectedMonthly = m_f.folder.lines(QStringLiteral("aylik.dat"));
        m_f.startDialogs();
        m_f.board->show();
        runPendingEvents();
    }

    int run(qint64 ticks, bool checkMemory)
    {
        QElapsedTimer timer;
        timer.start();
        qint64 nextEvent = gap();
        long rssAfterHour = residentKib();
        QString everySixHours;
        for (qint64 tick = 1; tick <= ticks; ++tick) {
            m_f.platform.clock = m_f.platform.clock.addMSecs(500);
            m_f.board->tick();
            if (tick == nextEvent) {
                event();
                nextEvent += gap();
            }
            if (tick % ticksPerMinute == 0)
                settle();
            if (tick == ticksPerHour)
                rssAfterHour = residentKib();
            // The course of memory, to tell a slow climb from pages touched once.
            if (tick % (6 * ticksPerHour) == 0)
                everySixHours += QString::number(residentKib()) + QLatin1Char(' ');
        }
        settle();
        const long rssAtEnd = residentKib();
        const double seconds = timer.elapsed() / 1000.0;

        const long growth = rssAtEnd - rssAfterHour;
        std::printf("ticks run           %lld (%.1f simulated hours)\n", ticks,
                    double(ticks) / ticksPerHour);
        std::printf("openings            %d\nclosings            %d\nedits               %d\n",
                    m_openings, m_closings, m_edits);
        std::printf("most tables open    %d\nbells rung          %d\nroll-overs          %d\n",
                    m_mostOpen, m_bells, m_rollOvers);
        std::printf("billed in all       %s\n", qPrintable(plainAmount(m_billed)));
        std::printf("RSS after 1 h       %ld KiB\nRSS at the end      %ld KiB\n", rssAfterHour,
                    rssAtEnd);
        if (!everySixHours.isEmpty())
            std::printf("RSS every 6 h       %sKiB\n", qPrintable(everySixHours));
        std::printf("RSS growth          %ld KiB (allowed %ld%s)\n", growth, allowedGrowthKib,
                    checkMemory ? "" : ", not checked in this run");
        std::printf("time taken          %.1f s\n", seconds);
        checkLedgers();
        checkBoard();
        if (checkMemory && growth > allowedGrowthKib)
            fail(QStringLiteral("resident memory grew by %1 KiB after the first hour").arg(growth));
        if (m_bells == 0)
            fail(QStringLiteral("no pre-paid limit ran out: the bell never rang"));
        if (m_rollOvers == 0 && ticks >= 24 * ticksPerHour)
            fail(QStringLiteral("the run crossed no midnight with a closing after it"));
        for (const QString &fault : std::as_const(m_faults))
            std::printf("FAULT: %s\n", qPrintable(fault));
        std::printf("%s\n", m_faults.isEmpty() ? "PASS" : "FAIL");
        return m_faults.isEmpty() ? 0 : 1;
    }

private:
    qint64 gap() { return m_random.bounded(ticksPerMinute, 6 * ticksPerMinute + 1); }

    void fail(const QString &what)
    {
        // A fault that comes back at every event is shown the first times only.
        if (m_faults.size() < 20)
            m_faults.append(what);
    }

    QString now(const char *format) const
    {
        return m_f.platform.clock.toString(QLatin1String(format));
    }

    int pick(bool open)
    {
        QList<int> candidates;
        for (int table = 0; table < tables; ++table) {
            if (m_open[table] == open)
                candidates.append(table);
        }
        return candidates[m_random.bounded(int(candidates.size()))];
    }

    // Openings outweigh closings while fewer than 20 tables are open, so that most of the
    // board runs most of the time.
    void event()
    {
        const int open = int(std::count(m_open.begin(), m_open.end(), true));
        if (open > 0 && m_random.bounded(100) < 15)
            editTable(pick(true));
        else if (open == 0 || (open < tables && m_random.bounded(30) < 2 * (tables - open)))
            openTable(pick(false));
        else
            closeTable(pick(true));
        m_mostOpen = std::max(m_mostOpen, int(std::count(m_open.begin(), m_open.end(), true)));
    }

    QString name()
    {
        static const char *const names[] = {"Kirveno",    "Ali",           "Ayşe",       "Çağlar",
                                            "Öğrenciler", "Table of four", "Şükrü & Gül"};
        return QString::fromUtf8(names[m_random.bounded(int(std::size(names)))]);
    }

    void openTable(int table)
    {
        OpenTableDialog &dialog = m_f.dialogs->openDialog();
        dialog.prepare(table);
        dialog.show();
        m_names[table] = name();
        dialog.nameField()->setText(m_names[table]);
        // A third of the sessions are pre-paid, most of them running out within the hour.
        if (m_random.bounded(3) == 0) {
            dialog.limitWholeField()->setValue(m_random.bounded(1, 4));
            dialog.limitHundredthsField()->setValue(50 * m_random.bounded(2));
        }
        dialog.accept();
        m_starts[table] = now("HH:mm");
        m_open[table] = true;
        ++m_openings;
        if (dialog.isVisible() || !m_f.board->slot(table).isOpenState())
            fail(QStringLiteral("table %1 did not open at %2").arg(table + 1).arg(now("HH:mm")));
    }

    void editTable(int table)
    {
        EditTableDialog &dialog = m_f.dialogs->editDialog();
        if (!dialog.prepare(table)) {
            fail(QStringLiteral("table %1 could not be edited").arg(table + 1));
            return;
        }
        dialog.show();
        switch (m_random.bounded(3)) {
        case 0: // something from the bar
            dialog.additionWholeField()->setValue(dialog.additionWholeField()->value()
                                                  + m_random.bounded(1, 4));
            dialog.additionHundredthsField()->setValue(50 * m_random.bounded(2));
            break;
        case 1: // another pre-paid hour, which takes a used-up row back from red
            dialog.limitWholeField()->setValue(dialog.limitWholeField()->value() + 2);
            break;
        default:
            m_names[table] = name();
            dialog.nameField()->setText(m_names[table]);
        }
        dialog.accept();
        ++m_edits;
        if (dialog.isVisible())
            fail(QStringLiteral("the edit of table %1 was not taken").arg(table + 1));
    }

    void closeTable(int table)
    {
        CloseTableDialog &dialog = m_f.dialogs->closeDialog();
        if (!dialog.prepare(table)) {
            fail(QStringLiteral("table %1 could not be billed").arg(table + 1));
            return;
        }
        dialog.show();
        const Cents total = dialog.bill().total;
        if (dialog.nameField()->text() != m_names[table])
            fail(QStringLiteral("the bill of table %1 names \"%2\"")
                     .arg(table + 1)
                     .arg(dialog.nameField()->text()));
        dialog.accept();
        if (dialog.isVisible() || m_f.board->slot(table).isOpenState()) {
            fail(QStringLiteral("table %1 did not close at %2").arg(table + 1).arg(now("HH:mm")));
            return;
        }
        m_open[table] = false;
        ++m_closings;
        m_billed += total;

        const QString today = now("dd.MM.yyyy");
        if (m_expectedDaily.first() != today) {
            ++m_rollOvers;
            m_rolledOver += m_dayBilled;
            m_expectedMonthly.append(m_expectedDaily.first() + QStringLiteral(" ---- ")
                                     + paddedAmount(m_dayBilled));
            m_rolledClosings += int(m_expectedDaily.size() - 1);
            m_expectedDaily = QStringList{today};
            m_dayBilled = 0;
        }
        m_expectedDaily.append(dailyRecord({m_names[table], m_starts[table], now("HH:mm"), total}));
        m_dayBilled += total;
    }

    // Once a simulated minute: the deferred work of the event loop, and the sounds the
    // platform recorded, counted and let go so that the record itself does not grow.
    void settle()
    {
        runPendingEvents();
        const QString bell = m_f.folder.file(QStringLiteral("zil01.wav"));
        m_bells += int(m_f.platform.sounds.count(bell));
        m_f.platform.sounds.clear();
        for (const QString &error : std::as_const(m_f.platform.errors))
            fail(QStringLiteral("error shown: ") + error);
        for (const QString &notice : std::as_const(m_f.platform.notices))
            fail(QStringLiteral("message shown: ") + notice);
        m_f.platform.errors.clear();
        m_f.platform.notices.clear();
    }

    // Every closing booked once: today's records in gunluk.dat, each finished day's total in
    // aylik.dat, and together the sum of the bills.
    void checkLedgers()
    {
        const QStringList daily = m_f.folder.lines(QStringLiteral("gunluk.dat"));
        const QStringList monthly = m_f.folder.lines(QStringLiteral("aylik.dat"));
        Cents monthlyAdded = 0;
        for (qsizetype i = 1; i < monthly.size(); ++i)
            monthlyAdded += amountAfterSeparator(monthly[i]);
        Cents dailyBooked = 0;
        for (qsizetype i = 1; i < daily.size(); ++i)
            dailyBooked += amountAfterSeparator(daily[i].chopped(1));
        const qsizetype records = daily.size() - 1;
        std::printf("ledgers             %lld records in gunluk.dat (%s) + %lld day total(s) "
                    "added to aylik.dat (%s, %d closings)\n",
                    qint64(records), qPrintable(plainAmount(dailyBooked)),
                    qint64(monthly.size() - 1), qPrintable(plainAmount(monthlyAdded)),
                    m_rolledClosings);
        if (records != m_closings - m_rolledClosings || daily != m_expectedDaily)
            fail(QStringLiteral("gunluk.dat holds %1 records, not the %2 closings of today")
                     .arg(records)
                     .arg(m_closings - m_rolledClosings));
        if (monthly != m_expectedMonthly || monthlyAdded != m_rolledOver)
            fail(QStringLiteral("aylik.dat holds %1 day totals (%2), not %3 (%4)")
                     .arg(monthly.size() - 1)
                     .arg(plainAmount(monthlyAdded))
                     .arg(m_expectedMonthly.size() - 1)
                     .arg(plainAmount(m_rolledOver)));
        if (monthlyAdded + dailyBooked != m_billed)
            fail(QStringLiteral("the ledgers hold %1, the bills came to %2")
                     .arg(plainAmount(monthlyAdded + dailyBooked), plainAmount(m_billed)));
    }

    // The board, zaman.dat and the run agree on which tables are open.
    void checkBoard()
    {
        const TableState stored = TableState::load(m_f.folder.file(QStringLiteral("zaman.dat")));
        for (int table = 0; table < tables; ++table) {
            if (stored.isOpen(table) != m_open[table]
                || m_f.board->slot(table).isOpenState() != m_open[table])
                fail(QStringLiteral("table %1 is shown or stored in the wrong state")
                         .arg(table + 1));
        }
    }

    DialogFixture m_f;
    QRandomGenerator m_random;
    std::array<bool, tables> m_open{};
    std::array<QString, tables> m_names;
    std::array<QString, tables> m_starts;
    QStringList m_expectedDaily;
    QStringList m_expectedMonthly;
    Cents m_billed = 0;
    Cents m_dayBilled = 0;
    Cents m_rolledOver = 0;
    int m_openings = 0;
    int m_closings = 0;
    int m_edits = 0;
    int m_rollOvers = 0;
    int m_rolledClosings = 0;
    int m_bells = 0;
    int m_mostOpen = 0;
    QStringList m_faults;
};

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform says so at every dialog shown; everything else is let through.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext &context, const QString &message) {
            if (!message.contains(QLatin1String("does not support propagateSizeHints")))
                previous(type, context, message);
        });
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    const auto option = [&](const char *name, int fallback) {
        const qsizetype at = arguments.indexOf(QLatin1String(name));
        return at < 0 ? fallback : arguments.value(at + 1).toInt();
    };
    const int hours = option("--hours", 24);
    const bool checkMemory = !arguments.contains(QStringLiteral("--no-memory-check"));
    Soak soak(quint32(option("--seed", 20261207)));
    const int result = soak.run(hours * ticksPerHour, checkMemory);
    // LeakSanitizer ends the process after main without flushing what is still buffered.
    std::fflush(stdout);
    return result;
}
