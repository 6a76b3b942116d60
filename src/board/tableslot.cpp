#include "tableslot.h"

#include "boardwidgets.h"
#include "storage/tablestate.h"
#include "widgets/layout.h"

#include <QLineEdit>

namespace kirveno {
namespace {

// Inside the name's cell, drawn or in its field.
constexpr QMargins nameMargins(2, 0, 2, 0);

} // namespace

RowControls *TableSlot::buildControls(QWidget *board, int shownRows)
{
    const auto action = [](int x, const char *name) {
        return RowControls::Picture{x, picture(QString::fromLatin1(name))};
    };
    std::array<RowControls::Cell, RowControls::cellCount> cells;
    for (int cell = 0; cell < RowControls::cellCount; ++cell) {
        // The time cells (start, passed, remaining) need every pixel of their 38 for "23:59".
        const bool time = cell < 3;
        cells[cell] = {fieldX[cell + 1], fieldWidth[cell + 1],
                       time ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter,
                       time ? QMargins(-1, 0, -1, 0) : QMargins(2, 0, 2, 0)};
    }
    const RowControls::Cell name{fieldX[0], fieldWidth[0], Qt::AlignLeft | Qt::AlignVCenter,
                                 nameMargins};
    auto *controls = new RowControls(
        {action(1, "action-open"), action(20, "action-edit"), action(39, "action-close")}, name,
        cells, tableSlots, shownRows, board);
    controls->setGeometry(0, 56, fieldX[4] + fieldWidth[4], RowControls::rowHeight * shownRows);
    return controls;
}

TableSlot::TableSlot(QWidget *board, RowControls *controls, int table, bool shown)
    : m_board(board)
    , m_controls(controls)
    , m_table(table)
    , m_shown(shown)
{
    showClosedState();
}

QLineEdit *TableSlot::nameField()
{
    if (m_name)
        return m_name;
    // A frameless white cell on the background picture, as the figures' cells beside it are, the
    // one-pixel gaps between them drawing the grid.
    m_name = new QLineEdit(m_board);
    m_name->setReadOnly(true);
    m_name->setFocusPolicy(Qt::ClickFocus);
    m_name->setFrame(false);
    m_name->setTextMargins(nameMargins);
    m_name->setGeometry(nameGeometry());
    m_name->setPalette(nameColours().value_or(QPalette()));
    fillNameField();
    m_name->setVisible(m_shown);
    m_controls->nameFieldMade(m_table);
    return m_name;
}

QRect TableSlot::nameGeometry() const
{
    return m_controls->nameRect(m_table).translated(m_controls->pos());
}

void TableSlot::showName(const QString &name)
{
    m_nameText = name;
    if (m_name)
        fillNameField();
    else
        m_controls->setName(m_table, name, nameColours());
}

void TableSlot::fillNameField()
{
    // Only when it differs, so that an unchanged row costs no repaint.
    if (m_name->text() == m_nameText)
        return;
    m_name->setText(m_nameText);
    // A long name may not fit its field: show its beginning.
    if (m_nameText.size() > 5)
        m_name->setCursorPosition(0);
}

void TableSlot::showOpenState()
{
    m_open = true;
    m_controls->showPictures(m_table, 1u << int(Action::Edit) | 1u << int(Action::Close));
}

void TableSlot::showClosedState()
{
    m_open = false;
    m_controls->showPictures(m_table, 1u << int(Action::Open));
}

void TableSlot::setNameColour(NameColour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    if (m_name)
        m_name->setPalette(nameColours().value_or(QPalette()));
    else
        m_controls->setName(m_table, m_nameText, nameColours());
}

std::optional<QPalette> TableSlot::nameColours() const
{
    QPalette palette = m_controls->palette();
    switch (m_colour) {
    case NameColour::Window:
        return std::nullopt;
    case NameColour::Dragged:
        palette.setColor(QPalette::Base, QColor(0, 128, 0));
        palette.setColor(QPalette::Text, Qt::white);
        break;
    case NameColour::RunningOut:
        // Amber, warm and clearly apart from the red that follows; the text stays dark on it.
        palette.setColor(QPalette::Base, QColor(255, 191, 0));
        palette.setColor(QPalette::Text, Qt::black);
        break;
    case NameColour::UsedUp:
        palette.setColor(QPalette::Base, QColor(255, 0, 0));
        palette.setColor(QPalette::Text, Qt::white);
        break;
    }
    return palette;
}

QString TableSlot::figure(Figure which) const
{
    return m_controls->text(m_table, int(which));
}

void TableSlot::showFigure(Figure which, const QString &text)
{
    m_controls->setText(m_table, int(which), text);
}

QRect TableSlot::figureGeometry(Figure which) const
{
    return m_controls->cellRect(m_table, int(which)).translated(m_controls->pos());
}

bool TableSlot::actionShown(Action action) const
{
    return m_controls->pictureShown(m_table, int(action));
}

QRect TableSlot::actionGeometry(Action action) const
{
    return m_controls->pictureRect(m_table, int(action)).translated(m_controls->pos());
}

void TableSlot::clearFields()
{
    showName(QString());
    for (Figure which : {Figure::Start, Figure::Passed, Figure::Remaining, Figure::Cost})
        showFigure(which, QString());
}

} // namespace kirveno
