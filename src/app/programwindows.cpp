#include "programwindows.h"

#include "help/aboutwindow.h"
#include "help/helpwindow.h"
#include "records/loanswindow.h"
#include "records/reportswindow.h"
#include "settings/languagechooser.h"
#include "settings/optionsdialog.h"

namespace kirveno {

ProgramWindows::ProgramWindows(ProgramState &state, BoardWindow &board)
    : m_tables(state, board)
    , m_reports(new ReportsWindow(state, &board))
    , m_loans(new LoansWindow(state, &board))
    , m_passwords(state, board, *m_reports, *m_loans)
    , m_languages(new LanguageChooser(state, board))
    , m_options(new OptionsDialog(state, board))
    , m_help(new HelpWindow(state, &board))
    , m_about(new AboutWindow(state, &board))
    , m_archive(state, board)
{
    board.setSessionDialogs(&m_tables);
    board.setCommands(this);
}

void ProgramWindows::backUp()
{
    m_archive.backUp();
}

void ProgramWindows::restore()
{
    m_archive.restore();
}

void ProgramWindows::chooseLanguage()
{
    m_languages->ask();
}

void ProgramWindows::changeOptions()
{
    m_options->ask();
}

void ProgramWindows::showHelp()
{
    m_help->ask();
}

void ProgramWindows::showAbout()
{
    m_about->ask();
}

} // namespace kirveno
