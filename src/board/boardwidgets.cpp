#include "boardwidgets.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace kirveno {

PictureButton::PictureButton(const QPixmap &picture, QPoint home, QWidget *parent)
    : QWidget(parent)
    , m_picture(picture)
    , m_home(home)
{
    setGeometry(QRect(home, picture.deviceIndependentSize().toSize()));
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter(this).drawPixmap(0, 0, m_picture);
}

void PictureButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

void ActionImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        move(home() + QPoint(1, 1));
}

void ActionImage::mouseReleaseEvent(QMouseEvent *event)
{
    // Released elsewhere, the picture stays sunk until the mouse passes over the background.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    returnHome();
    emit clicked();
}

void ToolbarIcon::enterEvent(QEnterEvent *)
{
    move(home() + QPoint(1, 1));
}

void ToolbarIcon::leaveEvent(QEvent *)
{
    returnHome();
}

TableNumbers::TableNumbers(int count, QWidget *parent)
    : QWidget(parent)
    , m_count(count)
{}

void TableNumbers::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    painter.setPen(palette().color(QPalette::Text));
    // The text inside an item's margins, as the item views of the style draw it.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    for (int n = 1; n <= m_count; ++n)
        painter.drawText(
            QRect(0, (n - 1) * rowHeight, width(), rowHeight).adjusted(margin, 0, -margin, 0),
            Qt::AlignCenter, QString::number(n));
}

FigureField::FigureField(QWidget *parent)
    : QWidget(parent)
{}

void FigureField::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void FigureField::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

namespace {

// The panel and the text where a read-only QLineEdit of the cell's geometry puts them, so that
// the board looks the same: its style's panel and contents rectangle, 2 pixels of margin inside
// them, the text centred upright in a line of the font's height, and placed as the alignment
// asks.
void drawFigure(QPainter &painter, const QWidget &widget, const QRect &cell, bool frame,
                const QMargins &textMargins, Qt::Alignment alignment, const QString &text)
{
    painter.save();
    QStyle *style = widget.style();
    QStyleOptionFrame panel;
    panel.initFrom(&widget);
    panel.rect = cell;
    panel.lineWidth = frame ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, &widget) : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    panel.features = QStyleOptionFrame::None;
    style->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, &widget);

    constexpr int horizontalMargin = 2;
    const QRect contents =
        style->subElementRect(QStyle::SE_LineEditContents, &panel, &widget) - textMargins;
    const QFontMetrics metrics = widget.fontMetrics();
    const QRect line(contents.x() + horizontalMargin,
                     contents.y() + (contents.height() - metrics.height() + 1) / 2,
                     contents.width() - 2 * horizontalMargin, metrics.height());
    const int widthUsed = metrics.horizontalAdvance(text) + 1;
    int scroll = 0;
    if (widthUsed <= line.width()) {
        if (alignment & Qt::AlignRight)
            scroll = widthUsed - line.width() + 1;
        else if (alignment & Qt::AlignHCenter)
            scroll = (widthUsed - line.width()) / 2;
    }
    painter.setPen(widget.palette().color(QPalette::Text));
    painter.setClipRect(line);
    painter.drawText(QPoint(line.x() - scroll, line.y() + metrics.ascent()), text);
    painter.restore();
}

} // namespace

void FigureField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigure(painter, *this, contentsRect(), true, QMargins(), m_alignment, m_text);
}

FigureRow::FigureRow(QList<Cell> cells, QWidget *parent)
    : QWidget(parent)
    , m_cells(std::move(cells))
    , m_texts(m_cells.size())
{}

void FigureRow::setText(int cell, const QString &text)
{
    if (text == m_texts[cell])
        return;
    m_texts[cell] = text;
    update(cellRect(cell));
}

QRect FigureRow::cellGeometry(int cell) const
{
    return cellRect(cell).translated(pos());
}

QRect FigureRow::cellRect(int cell) const
{
    return QRect(m_cells[cell].x, 0, m_cells[cell].width, height());
}

void FigureRow::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    for (int cell = 0; cell < m_cells.size(); ++cell) {
        if (event->rect().intersects(cellRect(cell)))
            drawFigure(painter, *this, cellRect(cell), false, m_cells[cell].textMargins,
                       m_cells[cell].alignment, m_texts[cell]);
    }
}

} // namespace kirveno
