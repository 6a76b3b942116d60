#include "sessiondialog.h"

#include "board/boardwindow.h"
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

SessionDialog::SessionDialog(ProgramState &state, BoardWindow &board, const char16_t *titleKey)
    : QDialog(&board, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                          | Qt::WindowCloseButtonHint)
    , m_state(state)
    , m_board(board)
    , m_tableNumber(new QLabel(this))
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

    auto *heading = new QLabel(state.text(u"000012"), this);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.4);
    heading->setFont(big);
    m_tableNumber->setFont(big);
    auto *headingRow = new QHBoxLayout;
    headingRow->addWidget(heading);
    headingRow->addWidget(m_tableNumber);
    headingRow->addStretch();

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
    layout->addLayout(headingRow);
    layout->addLayout(m_form);
    layout->addSpacing(6);
    layout->addWidget(m_buttons);
}

void SessionDialog::addRow(const QString &caption, QWidget *content)
{
    const int row = m_form->rowCount();
    auto *label = new QLabel(caption, this);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    m_form->addWidget(label, row, 0);
    m_form->addWidget(content, row, 1, Qt::AlignLeft);
}

QWidget *SessionDialog::pair(QWidget *left, const char *separator, QWidget *right)
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

QLineEdit *SessionDialog::shownField(int width)
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

void SessionDialog::addButton(QPushButton *button)
{
    button->setParent(m_buttons);
    static_cast<QHBoxLayout *>(m_buttons->layout())->insertWidget(1, button);
}

void SessionDialog::setTable(int table)
{
    m_table = table;
    m_tableNumber->setText(QString::number(table + 1));
}

void SessionDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void SessionDialog::showError(const QString &message)
{
    m_state.platform->showError(this, message);
}

void SessionDialog::showError(const DataFileError &error)
{
    showError(m_state.message(error));
}

} // namespace kirveno
