#include "tableslot.h"

#include "boardwidgets.h"
#include "widgets/layout.h"

#include <QLineEdit>

namespace kirveno {
namespace {

constexpr int imageX[3] = {1, 20, 39};
const char *const actionPicture[3] = {"action-open", "action-edit", "action-close"};

} // namespace

TableSlot::TableSlot(QWidget *board, int table, bool shown)
    : m_shown(shown)
{
    const int top = 56 + 20 * table;
    for (int i = 0; i < 3; ++i) {
        static const QPixmap pictures[3] = {picture(QString::fromLatin1(actionPicture[0])),
                                            picture(QString::fromLatin1(actionPicture[1])),
                                            picture(QString::fromLatin1(actionPicture[2]))};
        m_images[i] = new ActionImage(pictures[i], QPoint(imageX[i], top), board);
        m_images[i]->setVisible(shown && i == 0);
    }
    // Frameless white cells on the background picture, the one-pixel gaps between them drawing
    // the grid; a frame would leave too little room for "23:59" in 38 pixels.
    m_name = new QLineEdit(board);
    m_name->setReadOnly(true);
    m_name->setFocusPolicy(Qt::ClickFocus);
    m_name->setFrame(false);
    m_name->setTextMargins(2, 0, 2, 0);
    m_name->setGeometry(fieldX[0], top, fieldWidth[0], 19);
    m_name->setVisible(shown);
    QList<FigureRow::Cell> cells;
    for (int field = 1; field < 5; ++field) {
        // The time cells (start, passed, remaining) need every pixel of their 38 for "23:59".
        const bool time = field < 4;
        cells.append({fieldX[field] - fieldX[1], fieldWidth[field],
                      time ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter,
                      time ? QMargins(-1, 0, -1, 0) : QMargins(2, 0, 2, 0)});
    }
    m_figures = new FigureRow(std::move(cells), board);
    m_figures->setGeometry(fieldX[1], top, fieldX[4] + fieldWidth[4] - fieldX[1], 19);
    m_figures->setVisible(shown);
}

void TableSlot::showOpenState()
{
    m_open = true;
    m_images[0]->setVisible(false);
    m_images[1]->setVisible(m_shown);
    m_images[2]->setVisible(m_shown);
}

void TableSlot::showClosedState()
{
    m_open = false;
    m_images[0]->setVisible(m_shown);
    m_images[1]->setVisible(false);
    m_images[2]->setVisible(false);
}

void TableSlot::setNameColour(NameColour colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    QPalette palette = nameField()->palette();
    switch (colour) {
    case NameColour::Window:
        palette = QPalette();
        break;
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
    nameField()->setPalette(palette);
}

void TableSlot::show(QLineEdit *field, const QString &text)
{
    if (field->text() == text)
        return;
    field->setText(text);
    // A long name may not fit its field: show its beginning.
    if (text.size() > 5)
        field->setCursorPosition(0);
}

QString TableSlot::figure(Figure which) const
{
    return m_figures->text(int(which));
}

void TableSlot::showFigure(Figure which, const QString &text)
{
    m_figures->setText(int(which), text);
}

void TableSlot::clearFields()
{
    show(m_name, QString());
    for (Figure which : {Figure::Start, Figure::Passed, Figure::Remaining, Figure::Cost})
        showFigure(which, QString());
}

void TableSlot::returnImagesHome()
{
    for (ActionImage *image : m_images)
        image->returnHome();
}

} // namespace kirveno
