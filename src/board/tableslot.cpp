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
    for (int i = 0; i < 4; ++i) {
        auto *field = new FigureField(board);
        field->setFrame(false);
        // The time fields need every pixel of their 38 for "23:59".
        const bool timeField = i <= 2;
        field->setTextMargins(timeField ? -1 : 2, 0, timeField ? -1 : 2, 0);
        m_figures[i] = field;
    }
    for (int i = 0; i < 5; ++i) {
        QWidget *field = i == 0 ? static_cast<QWidget *>(m_name) : m_figures[i - 1];
        field->setGeometry(fieldX[i], top, fieldWidth[i], 19);
        field->setVisible(shown);
    }
    startField()->setAlignment(Qt::AlignCenter);
    passedField()->setAlignment(Qt::AlignCenter);
    remainingField()->setAlignment(Qt::AlignCenter);
    costField()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
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

void TableSlot::show(FigureField *field, const QString &text)
{
    field->setText(text);
}

void TableSlot::clearFields()
{
    show(m_name, QString());
    for (FigureField *field : m_figures)
        show(field, QString());
}

void TableSlot::returnImagesHome()
{
    for (ActionImage *image : m_images)
        image->returnHome();
}

} // namespace kirveno
