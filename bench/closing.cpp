// The file work of closing a table (read zaman.dat, book into the ledgers, write zaman.dat)
// against a daily ledger of 10,000 records and a monthly ledger of 3,650 lines, on the same
// date and with a roll-over. Prints the medians in milliseconds. bench_closing FOLDER
#include "sessions/closing.h"

#include "storage/linefile.h"
#include "storage/tablestate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kirveno;

namespace {

void closeOneTable(const QString &folder, QDate today)
{
    closeTable(folder, 3,
               {QStringLiteral("Kirveno"), QStringLiteral("21:07"), QStringLiteral("23:15"), 550},
               today);
}

double medianMs(std::vector<qint64> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2] / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QString folder = app.arguments().value(1) + QLatin1Char('/');
    const QDate day(2026, 12, 6);

    QStringList daily{dateText(day)};
    for (int i = 0; i < 10000; ++i)
        daily << dailyRecord({QStringLiteral("Table %1").arg(i % 30 + 1), QStringLiteral("10:00"),
                              QStringLiteral("11:30"), 300 + i % 700});
    QStringList monthly{QStringLiteral("Kirveno LT monthly ledger")};
    for (int i = 0; i < 3650; ++i)
        monthly << monthlyLine(dateText(day.addDays(-3650 + i)), 12345 + i);
    TableState open;
    open.setRecord(3, {QStringLiteral("Kirveno"), QStringLiteral("21:07"), QStringLiteral("0"),
                       QStringLiteral("0")});

    constexpr int runs = 60;
    std::vector<qint64> sameDay;
    std::vector<qint64> rollOver;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        for (bool roll : {false, true}) {
            writeLines(folder + QStringLiteral("gunluk.dat"), daily);
            writeLines(folder + QStringLiteral("aylik.dat"), monthly);
            open.save(folder + QStringLiteral("zaman.dat"));
            timer.start();
            closeOneTable(folder, roll ? day.addDays(1) : day);
            (roll ? rollOver : sameDay).push_back(timer.nsecsElapsed());
        }
    }
    std::printf("closing_same_day_ms %.2f\nclosing_roll_over_ms %.2f\n", medianMs(sameDay),
                medianMs(rollOver));
    return 0;
}
