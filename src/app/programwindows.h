#pragma once

#include "board/boardwindow.h"
#include "records/archivecommands.h"
#include "sessions/tabledialogs.h"
#include "settings/passwordwindows.h"
#include "widgets/onfirstuse.h"

namespace kirveno {

class AboutWindow;
class HelpWindow;
class LanguageChooser;
class OptionsDialog;
class LoansWindow;
class ReportsWindow;

// Every window of the program beside the board, each made when first needed and then kept: the
// table dialogs and what the board's toolbar icons and menu entries lead to.
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
    ReportsWindow &reports();
    LoansWindow &loans();
    PasswordWindows &passwords() { return m_passwords; }
    LanguageChooser &languages();
    OptionsDialog &options();
    HelpWindow &help();
    AboutWindow &about();

private:
    TableDialogs m_tables;
    OnFirstUse<ReportsWindow> m_reports;
    OnFirstUse<LoansWindow> m_loans;
    PasswordWindows m_passwords;
    OnFirstUse<LanguageChooser> m_languages;
    OnFirstUse<OptionsDialog> m_options;
    OnFirstUse<HelpWindow> m_help;
    OnFirstUse<AboutWindow> m_about;
    ArchiveCommands m_archive;
};

} // namespace kirveno
