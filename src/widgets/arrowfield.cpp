#include "arrowfield.h"

#include "storage/money.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace kirveno {

ArrowField::ArrowField(int minimum, int maximum, Ends ends, int step, QWidget *parent)
    : QWidget(parent)
    , m_minimum(minimum)
    , m_maximum(maximum)
    , m_ends(ends)
    , m_step(step)
    , m_value(minimum)
    , m_field(new QLineEdit(this))
    , m_up(new QToolButton(this))
    , m_down(new QToolButton(this))
{
    m_field->setReadOnly(true);
    m_field->setAlignment(Qt::AlignCenter);
    m_field->setFixedWidth(30);
    m_field->installEventFilter(this);
    QFont bold = m_field->font();
    bold.setBold(true);
    m_field->setFont(bold);
    for (QToolButton *arrow : {m_up, m_down}) {
        arrow->setFixedSize(16, 11);
        arrow->setFocusPolicy(Qt::NoFocus);
        arrow->setAutoRepeat(true);
    }
    m_up->setArrowType(Qt::UpArrow);
    m_down->setArrowType(Qt::DownArrow);
    connect(m_up, &QToolButton::clicked, this, &ArrowField::stepUp);
    connect(m_down, &QToolButton::clicked, this, &ArrowField::stepDown);

    auto *arrows = new QVBoxLayout;
    arrows->setContentsMargins(0, 0, 0, 0);
    arrows->setSpacing(0);
    arrows->addWidget(m_up);
    arrows->addWidget(m_down);
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    row->addWidget(m_field);
    row->addLayout(arrows);
    setFocusProxy(m_field);
    setValue(minimum);
}

void ArrowField::setValue(int value)
{
    m_value = value;
    m_field->setText(m_twoDigits ? twoDigits(value) : QString::number(value));
}

void ArrowField::showPlainNumbers()
{
    m_twoDigits = false;
    setValue(m_value);
}

void showAmount(const QString &stored, ArrowField &whole, ArrowField &hundredths)
{
    const AmountParts parts = partsOfAmount(parseAmount(stored).value_or(0));
    whole.setValue(parts.whole);
    hundredths.setValue(parts.hundredths);
}

QString ArrowField::text() const
{
    return m_field->text();
}

void ArrowField::step(int direction)
{
    int next = m_value + direction * m_step;
    if (next < m_minimum)
        next = m_ends == Ends::Wrap ? m_maximum : m_minimum;
    else if (next > m_maximum)
        next = m_ends == Ends::Wrap ? m_minimum : m_maximum;
    setValue(next);
}

bool ArrowField::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            step(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kirveno
