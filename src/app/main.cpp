#include "app/programwindows.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/qtplatform.h"
#include "storage/datafileerror.h"
#include "storage/programfiles.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QStandardPaths>

namespace {

// "--folder PATH", "--help" and "--version"; a wrong option ends the program with a line on the
// terminal, as a command-line program does.
QString namedProgramFolder(const QApplication &app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Tables rented by the hour: the board, the bills and the ledgers."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption folder(
        QString::fromLatin1(kirveno::folderOption).mid(2),
        QStringLiteral("Keeps the books in FOLDER (made and filled with the first-installed "
                       "files when they are missing) instead of the usual program folder."),
        QStringLiteral("FOLDER"));
    parser.addOption(folder);
    parser.process(app);
    return parser.value(folder);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kirveno"));
    QApplication::setApplicationVersion(QLatin1String(kirveno::programVersion));
    // Lets the desktop match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.kirveno.Kirveno"));
    const kirveno::ProgramLocation location = kirveno::chooseProgramLocation(
        namedProgramFolder(app), QApplication::applicationDirPath() + QLatin1Char('/'),
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/'));

    kirveno::QtPlatform platform(kirveno::applicationTitle());
    kirveno::ProgramState state;
    try {
        kirveno::fillProgramFolder(location);
        state.load(location.folder, platform);
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

    platform.holdSounds();
    kirveno::BoardWindow boardWindow(state);
    board = &boardWindow;
    kirveno::ProgramWindows windows(state, boardWindow);
    // With the sound on, the bell and the cash register are made ready as soon as the board is
    // on screen, so that the first of the day plays at once. (Options that turn the sound on
    // start the program anew.)
    QStringList sounds;
    if (state.settings.soundOn())
        sounds = {state.path(kirveno::bellFileName), state.path(kirveno::cashRegisterFileName)};
    platform.playSoundsOnceShown(boardWindow, sounds);
    boardWindow.show();
    return app.exec();
}
