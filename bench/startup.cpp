// Start-up of the board as the program does it (settings, language, table state, the board
// with its dialogs), shown once, then ended. Prints the peak resident memory in KiB to stderr
// when asked with --memory. Run in a program folder: bench_startup FOLDER [--memory]
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "sessions/tabledialogs.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    kirveno::QtPlatform platform(kirveno::applicationTitle());
    kirveno::ProgramState state;
    state.load(args.value(1) + QLatin1Char('/'), platform);
    if (!platform.claimSingleInstance(state.boardTitle(), [] {}))
        return 0;
    kirveno::BoardWindow board(state);
    kirveno::TableDialogs dialogs(state, board);
    board.setSessionDialogs(&dialogs);
    board.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int result = app.exec();
    if (args.contains(QStringLiteral("--memory"))) {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::fprintf(stderr, "peak_rss_kib %ld\n", usage.ru_maxrss);
    }
    return result;
}
