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
    , m_reports([&state, &board] { return new ReportsWindow(state, &board); })
    , m_loans([&state, &board] { return new LoansWindow(state, &board); })
    , m_passwords(
          state, board, [this]() -> QWidget & { return *m_reports; },
          [this]() -> QWidget & { return *m_loans; })
    , m_languages([&state, &board] { return new LanguageChooser(state, board); })
    , m_options([&state, &board] { return new OptionsDialog(state, board); })
    , m_help([&state, &board] { return new HelpWindow(state, &board); })
    , m_about([&state, &board] { return new AboutWindow(state, &board); })
    , m_archive(state, board)
{
    board.setSessionDialogs(&m_tables);
    board.setCommands(this);
}

ReportsWindow &ProgramWindows::reports()
{
    return *m_reports;
}

LoansWindow &ProgramWindows::loans()
{
    return *m_loans;
}

LanguageChooser &ProgramWindows::languages()
{
    return *m_languages;
}

OptionsDialog &ProgramWindows::options()
{
    return *m_options;
}

HelpWindow &ProgramWindows::help()
{
    return *m_help;
}

AboutWindow &ProgramWindows::about()
{
    return *m_about;
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
