#pragma once

#include "board/boardwindow.h"
#include "widgets/formdialog.h"
#include "widgets/onfirstuse.h"

#include <functional>

namespace kirveno {

class SettingsFile;
class StoredTextField;

// The password that guards the reports and the loans window: read from ayar.dat each time a
// window needs it, so that a damaged file never lets anyone in; nothing opens then.
class PasswordPrompt : public FormDialog
{
    Q_OBJECT
public:
    // The two windows behind the password, asked for when the password is right.
    using GuardedWindow = std::function<QWidget &()>;

    PasswordPrompt(ProgramState &state, QWidget &board, GuardedWindow reports, GuardedWindow loans);

    // Asks for the password, then shows the reports window for the code "4" and the loans
    // window for any other.
    void ask(const QString &targetCode);
    StoredTextField *entry() const { return m_entry; }

    void accept() override;

private:
    GuardedWindow m_reports;
    GuardedWindow m_loans;
    StoredTextField *m_entry;
    QString m_targetCode;
    QString m_stored;
};

// Replaces the password after checking the old one, then starts the program anew.
class PasswordChangeDialog : public FormDialog
{
    Q_OBJECT
public:
    PasswordChangeDialog(ProgramState &state, BoardWindow &board);

    // Shows the window unless the stored password cannot be read. The entries keep what was
    // typed the time before.
    void ask();
    StoredTextField *oldEntry() const { return m_old; }
    StoredTextField *newEntry() const { return m_new; }
    StoredTextField *repeatedEntry() const { return m_repeated; }

    void accept() override;

private:
    BoardWindow &m_board;
    StoredTextField *m_old;
    StoredTextField *m_new;
    StoredTextField *m_repeated;
    QString m_stored;
};

// The two password windows of the board.
class PasswordWindows
{
public:
    PasswordWindows(ProgramState &state, BoardWindow &board, PasswordPrompt::GuardedWindow reports,
                    PasswordPrompt::GuardedWindow loans);

    // Through the prompt: "4" the reports window, any other code the loans window.
    void openGuarded(const QString &targetCode) { m_prompt->ask(targetCode); }
    void changePassword() { m_change->ask(); }

    PasswordPrompt &prompt() { return *m_prompt; }
    PasswordChangeDialog &changeDialog() { return *m_change; }

private:
    OnFirstUse<PasswordPrompt> m_prompt;
    OnFirstUse<PasswordChangeDialog> m_change;
};

} // namespace kirveno
