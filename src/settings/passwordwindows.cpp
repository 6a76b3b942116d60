#include "passwordwindows.h"

#include "board/programstate.h"
#include "platform/platform.h"
#include "storage/datafileerror.h"
#include "widgets/storedtextfield.h"

#include <QPushButton>

namespace kirveno {
namespace {

StoredTextField *passwordEntry(const ProgramState &state)
{
    auto *entry = new StoredTextField(maxPasswordLength, state);
    entry->setEchoMode(QLineEdit::Password);
    entry->setStyleSheet(QStringLiteral("lineedit-password-character: 42")); // "*"
    entry->setFixedWidth(150);
    return entry;
}

// The password as ayar.dat holds it now; nothing (after the message) when its lines are damaged.
std::optional<QString> storedPassword(const ProgramState &state, QWidget *parent)
{
    try {
        return SettingsFile::load(state.path(settingsFileName)).password();
    } catch (const DataFileError &error) {
        state.platform->showError(parent, state.message(error));
        return std::nullopt;
    }
}

} // namespace

PasswordPrompt::PasswordPrompt(ProgramState &state, QWidget &board, GuardedWindow reports,
                               GuardedWindow loans)
    : FormDialog(state, &board, u"000022")
    , m_reports(std::move(reports))
    , m_loans(std::move(loans))
    , m_entry(passwordEntry(state))
{
    addRow(state.text(u"000023"), m_entry);
}

void PasswordPrompt::ask(const QString &targetCode)
{
    m_targetCode = targetCode;
    m_entry->clear();
    const auto stored = storedPassword(m_state, parentWidget());
    if (!stored)
        return;
    m_stored = *stored;
    m_entry->setFocus();
    exec();
}

void PasswordPrompt::accept()
{
    if (m_entry->text() != m_stored) {
        m_state.platform->notice(this, QString(14, QLatin1Char(' ')) + m_state.text(u"000138")
                                           + QString(13, QLatin1Char(' ')));
        return;
    }
    QDialog::accept();
    QWidget &window = m_targetCode == QLatin1String("4") ? m_reports() : m_loans();
    window.show();
    window.raise();
    window.activateWindow();
}

PasswordChangeDialog::PasswordChangeDialog(ProgramState &state, BoardWindow &board)
    : FormDialog(state, &board, u"000036")
    , m_board(board)
    , m_old(passwordEntry(state))
    , m_new(passwordEntry(state))
    , m_repeated(passwordEntry(state))
{
    addRow(state.text(u"000048"), m_old);
    addRow(state.text(u"000049"), m_new);
    addRow(state.text(u"000049") + QStringLiteral("\n( ") + state.text(u"000050")
               + QStringLiteral(" )"),
           m_repeated);
}

void PasswordChangeDialog::ask()
{
    const auto stored = storedPassword(m_state, &m_board);
    if (!stored)
        return;
    m_stored = *stored;
    m_old->setFocus();
    exec();
}

void PasswordChangeDialog::accept()
{
    if (m_new->text() != m_repeated->text()) {
        m_state.platform->notice(this, m_state.text(u"000141"));
        return;
    }
    if (m_old->text() != m_stored) {
        m_state.platform->notice(this, m_state.text(u"000142"));
        return;
    }
    if (!m_state.platform->ask(this, m_state.text(u"000143"), m_state.text(u"000144"),
                               QuestionIcon::Question))
        return;
    if (!m_state.changeSettingsFile(this, [this](SettingsFile &settings) {
            settings.setPassword(m_new->text(), passwordRandom());
        }))
        return;
    QDialog::accept();
    m_board.restart();
}

PasswordWindows::PasswordWindows(ProgramState &state, BoardWindow &board,
                                 PasswordPrompt::GuardedWindow reports,
                                 PasswordPrompt::GuardedWindow loans)
    : m_prompt([&state, &board, reports = std::move(reports), loans = std::move(loans)] {
        return new PasswordPrompt(state, board, reports, loans);
    })
    , m_change([&state, &board] { return new PasswordChangeDialog(state, board); })
{}

} // namespace kirveno
