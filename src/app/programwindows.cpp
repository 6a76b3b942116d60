#include "programwindows.h"

#include "records/loanswindow.h"
#include "records/reportswindow.h"

namespace kirveno {

ProgramWindows::ProgramWindows(ProgramState &state, BoardWindow &board)
    : m_tables(state, board)
    , m_reports(new ReportsWindow(state, &board))
    , m_loans(new LoansWindow(state, &board))
    , m_passwords(state, board, *m_reports, *m_loans)
{
    board.setSessionDialogs(&m_tables);
    board.setCommands(this);
}

void ProgramWindows::backUp() {}

void ProgramWindows::restore() {}

void ProgramWindows::chooseLanguage() {}

void ProgramWindows::changeOptions() {}

void ProgramWindows::showHelp() {}

void ProgramWindows::showAbout() {}

} // namespace kirveno
