#include "boardwidgets.h"

#include <QMouseEvent>
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

void FigureField::setFrame(bool frame)
{
    m_frame = frame;
    update();
}

void FigureField::setTextMargins(int left, int top, int right, int bottom)
{
    m_textMargins = QMargins(left, top, right, bottom);
    update();
}

// The panel and the text where a read-only QLineEdit puts them, so that the board looks the
// same: its style's panel and contents rectangle, 2 pixels of margin inside them, the text
// centred upright in a line of the font's height, and placed as the alignment asks.
void FigureField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionFrame panel;
    panel.initFrom(this);
    panel.rect = contentsRect();
    panel.lineWidth =
        m_frame ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this) : 0;
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken | QStyle::State_ReadOnly;
    panel.features = QStyleOptionFrame::None;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    constexpr int horizontalMargin = 2;
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this) - m_textMargins;
    const QFontMetrics metrics = fontMetrics();
    const QRect line(contents.x() + horizontalMargin,
                     contents.y() + (contents.height() - metrics.height() + 1) / 2,
                     contents.width() - 2 * horizontalMargin, metrics.height());
    const int widthUsed = metrics.horizontalAdvance(m_text) + 1;
    int scroll = 0;
    if (widthUsed <= line.width()) {
        if (m_alignment & Qt::AlignRight)
            scroll = widthUsed - line.width() + 1;
        else if (m_alignment & Qt::AlignHCenter)
            scroll = (widthUsed - line.width()) / 2;
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(line);
    painter.drawText(QPoint(line.x() - scroll, line.y() + metrics.ascent()), m_text);
}

} // namespace kirveno
