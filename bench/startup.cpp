// Start-up of the program as main() does it (settings, language, table state, the board and
// every window behind its commands), painted once, then ended. Run in a program folder:
// bench_startup FOLDER
#include "app/programwindows.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "widgets/firstpaint.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    kirveno::QtPlatform platform(kirveno::applicationTitle());
    kirveno::ProgramState state;
    state.load(app.arguments().value(1) + QLatin1Char('/'), platform);
    if (!platform.claimSingleInstance(state.boardTitle(), [] {}))
        return 0;
    // As in the program, the sounds asked for during the start (the bell of the tables whose
    // limit ran out) wait for the first paint. No sound module lies beside the benchmark, so the
    // attempt to load one then fails at once: loading the audio libraries comes after the board
    // is on screen and is not start-up.
    platform.holdSounds();
    kirveno::BoardWindow board(state);
    kirveno::ProgramWindows windows(state, board);
    kirveno::afterFirstPaint(board, &QCoreApplication::quit);
    platform.playSoundsOnceShown(board, {});
    board.show();
    return app.exec();
}
