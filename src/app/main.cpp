#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "records/loanswindow.h"
#include "records/reportswindow.h"
#include "sessions/tabledialogs.h"
#include "settings/passwordwindows.h"
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
    kirveno::TableDialogs dialogs(state, boardWindow);
    boardWindow.setSessionDialogs(&dialogs);
    // Windows of the board, which owns them.
    auto *reports = new kirveno::ReportsWindow(state, &boardWindow);
    auto *loans = new kirveno::LoansWindow(state, &boardWindow);
    kirveno::PasswordWindows passwords(state, boardWindow, *reports, *loans);
    boardWindow.setCommands(&passwords);
    boardWindow.show();
    return app.exec();
}
