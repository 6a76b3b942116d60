#include "formdialog.h"

#include "board/programstate.h"
#include "layout.h"
#include "platform/platform.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace kirveno {

FormDialog::FormDialog(ProgramState &state, QWidget *parent, const char16_t *titleKey)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_form(new QGridLayout)
    , m_buttons(new QWidget(this))
    , m_ok(new QPushButton(state.text(u"000018"), m_buttons))
    , m_cancel(new QPushButton(state.text(u"000019"), m_buttons))
{
    setWindowTitle(state.text(titleKey));
    setBackgroundPicture(*this, QStringLiteral("board"));

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);

    m_form->setHorizontalSpacing(10);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addLayout(m_form);
    layout->addSpacing(6);
    layout->addWidget(m_buttons);
}

void FormDialog::addHeading(QLayout *heading)
{
    static_cast<QVBoxLayout *>(layout())->insertLayout(0, heading);
}

void FormDialog::addRow(const QString &caption, QWidget *content)
{
    const int row = m_form->rowCount();
    m_form->addWidget(boldLabel(caption), row, 0);
    m_form->addWidget(content, row, 1, Qt::AlignLeft);
}

QLineEdit *FormDialog::shownField(int width)
{
    auto *field = new QLineEdit;
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFixedWidth(width);
    QFont bold = field->font();
    bold.setBold(true);
    field->setFont(bold);
    return field;
}

void FormDialog::addButton(QPushButton *button)
{
    button->setParent(m_buttons);
    static_cast<QHBoxLayout *>(m_buttons->layout())->insertWidget(1, button);
}

void FormDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

void FormDialog::showError(const QString &message)
{
    m_state.platform->showError(this, message);
}

void FormDialog::showError(const DataFileError &error)
{
    showError(m_state.message(error));
}

} // namespace kirveno
