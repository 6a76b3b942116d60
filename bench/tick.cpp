// One clock tick of a board with 30 open tables, every one with a limit, the clock moving half
// a second a tick as it does: the median over many ticks, and apart from them the ticks that
// start a new minute, when every row changes. Run in a program folder: bench_tick FOLDER
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/platform.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <vector>

namespace {

// The clock of the benchmark: moves on by hand, nothing else is used.
class BenchPlatform : public kirveno::Platform
{
public:
    void notice(QWidget *, const QString &) override {}
    bool ask(QWidget *, const QString &, const QString &, kirveno::QuestionIcon) override
    {
        return false;
    }
    void showError(QWidget *, const QString &) override {}
    void playSound(const QString &) override {}
    void openUrl(const QUrl &) override {}
    void restartProgram(const QString &) override {}
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &, const QString &) override
    {
        return {};
    }
    void print(QWidget *, const QString &, const kirveno::PrintJob &) override {}
    QDateTime now() override { return clock; }
    QString weekdayName(QDate date) override { return QLocale::system().dayName(date.dayOfWeek()); }
    bool claimSingleInstance(const QString &, std::function<void()>) override { return true; }
    quint64 totalPhysicalMemory() override { return 0; }
    QString operatingSystem() override { return {}; }

    QDateTime clock = QDateTime(QDate(2026, 12, 7), QTime(12, 0));
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    BenchPlatform platform;
    kirveno::ProgramState state;
    state.load(app.arguments().value(1) + QLatin1Char('/'), platform);
    kirveno::BoardWindow board(state);
    board.show();
    QCoreApplication::processEvents();

    constexpr int ticks = 24000; // 200 minutes
    std::vector<qint64> all;
    std::vector<qint64> newMinute;
    all.reserve(ticks);
    QElapsedTimer timer;
    for (int i = 0; i < ticks; ++i) {
        const int minuteBefore = platform.clock.time().minute();
        platform.clock = platform.clock.addMSecs(500);
        timer.start();
        board.tick();
        const qint64 spent = timer.nsecsElapsed();
        all.push_back(spent);
        if (platform.clock.time().minute() != minuteBefore)
            newMinute.push_back(spent);
        QCoreApplication::processEvents(); // the repaints, as between two real ticks
    }
    const auto median = [](std::vector<qint64> samples) {
        std::sort(samples.begin(), samples.end());
        return samples[samples.size() / 2] / 1000.0;
    };
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("tick_median_us %.1f\ntick_new_minute_median_us %.1f\ntick_peak_rss_kib %ld\n",
                median(all), median(newMinute), usage.ru_maxrss);
    return 0;
}
