#include "loanswindow.h"

#include "board/programstate.h"
#include "platform/platform.h"
#include "storage/datafileerror.h"
#include "widgets/arrowfield.h"
#include "widgets/layout.h"
#include "widgets/storedtextfield.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

namespace kirveno {
namespace {

bool isEnter(const QKeyEvent *event)
{
    return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
}

} // namespace

LoansWindow::LoansWindow(ProgramState &state, QWidget *board)
    : RecordWindow(state, board, u"000025")
    , m_loanList(new QListWidget)
    , m_name(new StoredTextField(loanNameLength, state))
    , m_whole(new ArrowField(0, 99, ArrowField::Ends::Stop))
    , m_hundredths(new ArrowField(0, 95, ArrowField::Ends::Wrap, 5))
    , m_note(new StoredTextField(loanNoteLength, state))
    , m_add(new QPushButton(state.text(u"000027")))
    , m_edit(new QPushButton(state.text(u"000026")))
    , m_remove(new QPushButton(state.text(u"000020")))
    , m_ok(new QPushButton(state.text(u"000018")))
    , m_cancel(new QPushButton(state.text(u"000019")))
    , m_close(new QPushButton(state.text(u"000017")))
{

    m_loanList->setFixedWidth(170);
    m_loanList->setUniformItemSizes(true);
    m_name->setFixedWidth(150);
    m_note->setFixedWidth(190);
    m_name->installEventFilter(this);
    m_note->installEventFilter(this);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(10);
    form->setColumnStretch(1, 1);
    form->addWidget(boldLabel(state.text(u"000029")), 0, 0);
    form->addWidget(m_name, 0, 1, Qt::AlignLeft);
    form->addWidget(boldLabel(state.text(u"000031")), 1, 0);
    form->addWidget(pair(m_whole, ",", m_hundredths), 1, 1, Qt::AlignLeft);
    form->addWidget(boldLabel(state.text(u"000030")), 2, 0);
    form->addWidget(m_note, 2, 1, Qt::AlignLeft);

    // View mode shows Add, Edit and Remove where add and edit modes show Ok and Cancel.
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {m_add, m_edit, m_remove, m_ok, m_cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(m_close);
    for (QPushButton *button : {m_add, m_edit, m_remove, m_ok, m_cancel, m_close}) {
        button->setAutoDefault(true); // Enter on a button presses it
        button->setMinimumWidth(75);
    }

    auto *right = new QVBoxLayout;
    right->addLayout(form);
    right->addStretch();
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(14);
    layout->addWidget(m_loanList);
    layout->addLayout(right);
    setFixedSize(560, 240);

    connect(m_loanList, &QListWidget::currentRowChanged, this, &LoansWindow::showSelectedLoan);
    connect(m_add, &QPushButton::clicked, this, &LoansWindow::startAdding);
    connect(m_edit, &QPushButton::clicked, this, &LoansWindow::startEditing);
    connect(m_remove, &QPushButton::clicked, this, &LoansWindow::removeSelected);
    connect(m_ok, &QPushButton::clicked, this, &LoansWindow::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &LoansWindow::cancel);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    setMode(Mode::View);
}

void LoansWindow::activate()
{
    const QString path = m_state.path(loansFileName);
    const bool missing = !QFileInfo::exists(path);
    QString error;
    m_file = LoansFile();
    try {
        if (!missing)
            m_file = LoansFile::load(path);
    } catch (const DataFileError &unreadable) {
        error = m_state.message(unreadable);
    }
    // A file that could not be read is never written over.
    for (QPushButton *button : {m_add, m_edit, m_remove})
        button->setEnabled(error.isEmpty());
    setMode(Mode::View);
    fillList(0);
    showSelectedLoan();
    m_close->setFocus();
    // Said once the window shows the empty list it speaks of.
    if (missing) {
        m_state.platform->notice(
            this, fillPlaces(m_state.text(u"000220"), {QDir::toNativeSeparators(path)}));
    } else if (!error.isEmpty()) {
        m_state.platform->showError(this, error);
    }
}

void LoansWindow::setMode(Mode mode)
{
    m_mode = mode;
    const bool viewing = mode == Mode::View;
    for (QPushButton *button : {m_add, m_edit, m_remove})
        button->setVisible(viewing);
    m_ok->setVisible(!viewing);
    m_cancel->setVisible(!viewing);
    m_name->setReadOnly(viewing);
    m_note->setReadOnly(viewing);
}

void LoansWindow::fillList(int selected)
{
    QStringList names;
    names.reserve(m_file.loans().size());
    for (const Loan &loan : m_file.loans())
        names.append(loan.name);
    if (names.isEmpty())
        names.append(QString());
    // The caller shows the loan once the list is complete.
    const QSignalBlocker quiet(m_loanList);
    m_loanList->clear();
    m_loanList->addItems(names);
    m_loanList->setCurrentRow(selected);
}

void LoansWindow::showSelectedLoan()
{
    const int selected = m_loanList->currentRow();
    const Loan loan =
        selected >= 0 && selected < m_file.loans().size() ? m_file.loans()[selected] : Loan{};
    m_name->setText(loan.name);
    const AmountParts parts = partsOfAmount(loan.amount);
    m_whole->setValue(parts.whole);
    m_hundredths->setValue(parts.hundredths);
    m_note->setText(loan.note);
}

void LoansWindow::startAdding()
{
    m_name->clear();
    m_whole->setValue(0);
    m_hundredths->setValue(0);
    m_note->clear();
    setMode(Mode::Add);
    m_name->setFocus();
}

void LoansWindow::startEditing()
{
    if (m_file.isEmpty())
        return;
    setMode(Mode::Edit);
    m_name->setFocus();
}

void LoansWindow::confirm()
{
    if (m_name->text().isEmpty()) {
        m_state.platform->notice(this, m_state.text(u"000180"));
        return;
    }
    const Loan loan{m_name->text(), Cents(m_whole->value()) * 100 + m_hundredths->value(),
                    m_note->text()};
    LoansFile changed = m_file;
    int selected = m_loanList->currentRow();
    if (m_mode == Mode::Add) {
        changed.append(loan);
        selected = int(changed.loans().size()) - 1;
    } else {
        changed.replace(selected, loan);
    }
    if (!store(changed))
        return;
    setMode(Mode::View);
    fillList(selected);
    showSelectedLoan();
}

void LoansWindow::cancel()
{
    setMode(Mode::View);
    showSelectedLoan();
}

void LoansWindow::removeSelected()
{
    if (!m_state.platform->ask(this, m_state.text(u"000155"), m_state.text(u"000140"),
                               QuestionIcon::Warning)
        || m_file.isEmpty())
        return;
    const int selected = m_loanList->currentRow();
    LoansFile changed = m_file;
    changed.remove(selected);
    if (!store(changed))
        return;
    fillList(selected < changed.loans().size() ? selected : 0);
    showSelectedLoan();
}

bool LoansWindow::store(const LoansFile &changed)
{
    try {
        changed.save(m_state.path(loansFileName));
    } catch (const DataFileError &error) {
        showError(error);
        return false;
    }
    m_file = changed;
    return true;
}

void LoansWindow::closeEvent(QCloseEvent *event)
{
    // An add or an edit in progress is dropped without a write.
    setMode(Mode::View);
    m_name->clear();
    m_note->clear();
    QWidget::closeEvent(event);
}

void LoansWindow::keyPressEvent(QKeyEvent *event)
{
    // Esc closes from any control that leaves it unused; Enter only when no control has the
    // focus.
    if (event->key() == Qt::Key_Escape || (isEnter(event) && !focusWidget()))
        close();
    else
        QWidget::keyPressEvent(event);
}

bool LoansWindow::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the name or the note goes on to the next field.
    if (event->type() == QEvent::KeyPress && isEnter(static_cast<QKeyEvent *>(event))) {
        focusNextChild();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kirveno
