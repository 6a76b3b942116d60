#pragma once

#include "board/boardwindow.h"
#include "records/archivecommands.h"
#include "sessions/tabledialogs.h"
#include "settings/passwordwindows.h"

namespace kirveno {

class AboutWindow;
class HelpWindow;
class LanguageChooser;
class OptionsDialog;
class LoansWindow;
class ReportsWindow;

// Every window of the program beside the board, made once when the program starts and kept:
// the table dialogs and what the board's toolbar icons and menu entries lead to.
class ProgramWindows : public BoardCommands
{
public:
    ProgramWindows(ProgramState &state, BoardWindow &board);

    void openGuarded(const QString &targetCode) override { m_passwords.openGuarded(targetCode); }
    void changePassword() override { m_passwords.changePassword(); }
    void backUp() override;
    void restore() override;
    void chooseLanguage() override;
    void changeOptions() override;
    void showHelp() override;
    void showAbout() override;

    TableDialogs &tableDialogs() { return m_tables; }
    ReportsWindow &reports() { return *m_reports; }
    LoansWindow &loans() { return *m_loans; }
    PasswordWindows &passwords() { return m_passwords; }
    LanguageChooser &languages() { return *m_languages; }
    OptionsDialog &options() { return *m_options; }
    HelpWindow &help() { return *m_help; }
    AboutWindow &about() { return *m_about; }

private:
    TableDialogs m_tables;
    ReportsWindow *m_reports; // windows of the board, which owns them
    LoansWindow *m_loans;
    PasswordWindows m_passwords;
    LanguageChooser *m_languages;
    OptionsDialog *m_options;
    HelpWindow *m_help;
    AboutWindow *m_about;
    ArchiveCommands m_archive;
};

} // namespace kirveno
