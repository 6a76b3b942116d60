// Activation of the loans window over 1,000 loans: reading borc.dat, listing the names and
// showing the first loan, with the window's repaint. Prints the median over many activations.
// Run in a program folder: bench_loans FOLDER
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "records/loanswindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kirveno::QtPlatform platform(kirveno::applicationTitle());
    kirveno::ProgramState state;
    state.load(app.arguments().value(1) + QLatin1Char('/'), platform);

    kirveno::LoansFile loans;
    for (int k = 0; k < 1000; ++k)
        loans.append({QStringLiteral("Customer %1").arg(k), k % 100 * 100 + k % 20 * 5,
                      k % 3 ? QStringLiteral("tea and toast") : QString()});
    loans.save(state.path(kirveno::loansFileName));

    QWidget board;
    kirveno::LoansWindow window(state, &board);
    window.show();
    QCoreApplication::processEvents(); // the activation of the showing

    std::vector<double> times;
    for (int run = 0; run < 101; ++run) {
        QElapsedTimer timer;
        timer.start();
        window.activate();
        QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    std::printf("loans_activation_median_ms %.2f\n", times[times.size() / 2]);
    return 0;
}
