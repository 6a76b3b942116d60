// Activation of the reports window over a daily ledger of 10,000 records and a monthly ledger of
// 3,650 lines (ten years): both ledgers read, the daily view with its total, the month list, the
// chart of the last twelve months, and the repaint that shows them. Prints the first showing and
// the median activation in milliseconds. bench_reports FOLDER
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "records/reportswindow.h"
#include "storage/ledgers.h"
#include "storage/linefile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

using namespace kirveno;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtPlatform platform(applicationTitle());
    ProgramState state;
    state.load(app.arguments().value(1) + QLatin1Char('/'), platform);

    const QDate today = platform.now().date();
    QStringList daily{dateText(today)};
    for (int i = 0; i < 10000; ++i)
        daily << dailyRecord({QStringLiteral("Table %1").arg(i % 30 + 1), QStringLiteral("10:00"),
                              QStringLiteral("11:30"), 300 + i % 700});
    QStringList monthly{QStringLiteral("Kirveno LT monthly ledger")};
    for (int i = 0; i < 3650; ++i)
        monthly << monthlyLine(dateText(today.addDays(i - 3650)), 1234 + i % 9000);
    writeLines(state.path(dailyLedgerFileName), daily);
    writeLines(state.path(monthlyLedgerFileName), monthly);

    BoardWindow board(state);
    ReportsWindow reports(state, &board);
    // The first showing also makes the chart, which the window puts off until it is needed.
    QElapsedTimer timer;
    timer.start();
    reports.show();
    reports.activate();
    reports.repaint();
    std::printf("reports_first_showing_ms %.2f\n", timer.nsecsElapsed() / 1e6);
    QCoreApplication::processEvents();

    constexpr int runs = 60;
    std::vector<qint64> samples;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        reports.activate();
        reports.repaint();
        samples.push_back(timer.nsecsElapsed());
        QCoreApplication::processEvents();
    }
    std::sort(samples.begin(), samples.end());
    std::printf("reports_activation_median_ms %.2f\n", samples[samples.size() / 2] / 1e6);
    return 0;
}
