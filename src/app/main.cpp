#include "app/programwindows.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "storage/datafileerror.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirveno"));

    kirveno::QtPlatform platform(kirveno::applicationTitle());
    kirveno::ProgramState state;
    try {
        state.load(kirveno::programFolder(), platform);
    } catch (const kirveno::DataFileError &error) {
        platform.showError(nullptr,
                           state.text(u"000190") + QStringLiteral("\n\n") + state.message(error));
        return 1;
    }
    kirveno::BoardWindow *board = nullptr;
    if (!platform.claimSingleInstance(state.boardTitle(), [&board] {
            if (!board)
                return;
            board->setWindowState(board->windowState() & ~Qt::WindowMinimized);
            board->show();
            board->raise();
            board->activateWindow();
        }))
        return 0;

    kirveno::BoardWindow boardWindow(state);
    board = &boardWindow;
    kirveno::ProgramWindows windows(state, boardWindow);
    boardWindow.show();
    return app.exec();
}
