#include "formdialog.h"

#include "board/programstate.h"
#include "platform/platform.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

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
    QPalette picture = palette();
    picture.setBrush(QPalette::Window, QPixmap(QStringLiteral(":/pictures/board.jpg")));
    setPalette(picture);
    setAutoFillBackground(true);

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
    auto *label = new QLabel(caption, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    m_form->addWidget(label, row, 0);
    m_form->addWidget(content, row, 1, Qt::AlignLeft);
}

QWidget *FormDialog::pair(QWidget *left, const char *separator, QWidget *right)
{
    auto *box = new QWidget;
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(3);
    row->addWidget(left);
    auto *mark = new QLabel(QString::fromLatin1(separator));
    QFont bold = mark->font();
    bold.setBold(true);
    mark->setFont(bold);
    row->addWidget(mark);
    row->addWidget(right);
    row->addStretch();
    return box;
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
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
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
