#include "boardwidgets.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
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
// them, the text centred upright in a line of the font's height, placed as the alignment asks
// (a text too long for the line from its beginning) and cut off at the contents' edge.
void drawFigure(QPainter &painter, const QWidget &widget, const QPalette &palette,
                const QRect &cell, bool frame, const QMargins &textMargins, Qt::Alignment alignment,
                const QString &text)
{
    painter.save();
    QStyle *style = widget.style();
    QStyleOptionFrame panel;
    panel.initFrom(&widget);
    panel.palette = palette;
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
    // As a line edit places its text; one aligned left starts at the margin, however long.
    int scroll = 0;
    if (alignment & (Qt::AlignRight | Qt::AlignHCenter)) {
        const int widthUsed = metrics.horizontalAdvance(text) + 1;
        if (widthUsed <= line.width()) {
            if (alignment & Qt::AlignRight)
                scroll = widthUsed - line.width() + 1;
            else
                scroll = (widthUsed - line.width()) / 2;
        }
    }
    painter.setPen(palette.color(QPalette::Text));
    painter.setClipRect(contents);
    painter.drawText(QPoint(line.x() - scroll, line.y() + metrics.ascent()), text);
    painter.restore();
}

} // namespace

void FigureField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFigure(painter, *this, palette(), contentsRect(), true, QMargins(), m_alignment, m_text);
}

RowControls::RowControls(std::array<Picture, pictureCount> pictures, Cell name,
                         std::array<Cell, cellCount> cells, int rows, int shownRows,
                         QWidget *parent)
    : QWidget(parent)
    , m_pictures(std::move(pictures))
    , m_name(name)
    , m_cells(cells)
    , m_rows(rows)
    , m_shownRows(shownRows)
{
    setMouseTracking(true);
}

void RowControls::showPictures(int row, unsigned pictures)
{
    if (pictures == m_rows[row].pictures)
        return;
    for (int picture = 0; picture < pictureCount; ++picture) {
        if (((pictures ^ m_rows[row].pictures) >> picture) & 1)
            update(pictureRect(row, picture));
    }
    m_rows[row].pictures = pictures;
    if (underMouse())
        pointAt(mapFromGlobal(QCursor::pos()));
}

bool RowControls::pictureShown(int row, int picture) const
{
    return row < m_shownRows && ((m_rows[row].pictures >> picture) & 1);
}

QRect RowControls::pictureRect(int row, int picture) const
{
    const QPoint sink = ((m_rows[row].sunk >> picture) & 1) ? QPoint(1, 1) : QPoint();
    return QRect(QPoint(m_pictures[picture].x, row * rowHeight) + sink,
                 m_pictures[picture].pixmap.deviceIndependentSize().toSize());
}

void RowControls::setSunk(int row, int picture, bool sunk)
{
    const unsigned bit = 1u << picture;
    if (bool(m_rows[row].sunk & bit) == sunk)
        return;
    const QRect before = pictureRect(row, picture);
    m_rows[row].sunk ^= bit;
    update(before | pictureRect(row, picture));
}

void RowControls::returnPicturesHome()
{
    for (int row = 0; row < m_rows.size(); ++row) {
        for (int picture = 0; picture < pictureCount; ++picture)
            setSunk(row, picture, false);
    }
}

void RowControls::setText(int row, int cell, const QString &text)
{
    if (text == m_rows[row].texts[cell])
        return;
    m_rows[row].texts[cell] = text;
    if (row < m_shownRows)
        update(cellRect(row, cell));
}

QRect RowControls::cellRect(int row, int cell) const
{
    return QRect(m_cells[cell].x, row * rowHeight, m_cells[cell].width, rowHeight - 1);
}

int RowControls::shownRowAt(QPoint point) const
{
    const int row = point.y() >= 0 ? point.y() / rowHeight : -1;
    return row < m_shownRows ? row : -1;
}

void RowControls::setName(int row, const QString &name, const std::optional<QPalette> &colours)
{
    Row &shown = m_rows[row];
    if (name == shown.name && colours == shown.nameColours)
        return;
    shown.name = name;
    shown.nameColours = colours;
    if (shown.nameDrawn && row < m_shownRows)
        update(nameRect(row));
}

void RowControls::nameFieldMade(int row)
{
    m_rows[row].nameDrawn = false;
}

QRect RowControls::nameRect(int row) const
{
    return QRect(m_name.x, row * rowHeight, m_name.width, rowHeight - 1);
}

QWidget *RowControls::nameFieldAt(QPoint point)
{
    const int row = shownRowAt(point);
    if (row < 0 || !nameRect(row).contains(point))
        return nullptr;
    if (m_rows[row].nameDrawn)
        emit nameWanted(row);
    QWidget *field = parentWidget()->childAt(mapToParent(point));
    return field != this ? field : nullptr;
}

void RowControls::forward(QMouseEvent *event, QWidget *to)
{
    // As the operator's own press would, a press gives the field the focus first.
    if (event->type() == QEvent::MouseButtonPress && (to->focusPolicy() & Qt::ClickFocus))
        to->setFocus(Qt::MouseFocusReason);
    QMouseEvent moved(event->type(), to->mapFromGlobal(event->globalPosition()),
                      event->scenePosition(), event->globalPosition(), event->button(),
                      event->buttons(), event->modifiers(), event->pointingDevice());
    QApplication::sendEvent(to, &moved);
}

std::optional<RowControls::PictureAt> RowControls::pictureAt(QPoint point) const
{
    const int row = shownRowAt(point);
    for (int picture = 0; row >= 0 && picture < pictureCount; ++picture) {
        if (pictureShown(row, picture) && pictureRect(row, picture).contains(point))
            return PictureAt{row, picture};
    }
    return std::nullopt;
}

bool RowControls::onBackground(QPoint point) const
{
    const int row = shownRowAt(point);
    const bool onFigures =
        row >= 0
        && QRect(cellRect(row, 0).topLeft(), cellRect(row, cellCount - 1).bottomRight())
               .contains(point);
    return !onFigures && !pictureAt(point);
}

void RowControls::pointAt(QPoint point)
{
    // Set on a change only: each setting goes to the window system.
    const bool overPicture = pictureAt(point).has_value();
    if (overPicture == testAttribute(Qt::WA_SetCursor))
        return;
    if (overPicture)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void RowControls::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRegion &region = event->region();
    const int last = std::min(m_shownRows - 1, region.boundingRect().bottom() / rowHeight);
    for (int row = region.boundingRect().top() / rowHeight; row <= last; ++row) {
        for (int picture = 0; picture < pictureCount; ++picture) {
            const QRect place = pictureRect(row, picture);
            if (pictureShown(row, picture) && region.intersects(place))
                painter.drawPixmap(place.topLeft(), m_pictures[picture].pixmap);
        }
        const Row &shown = m_rows[row];
        if (shown.nameDrawn && region.intersects(nameRect(row)))
            drawFigure(painter, *this, shown.nameColours.value_or(palette()), nameRect(row), false,
                       m_name.textMargins, m_name.alignment, shown.name);
        for (int cell = 0; cell < cellCount; ++cell) {
            if (region.intersects(cellRect(row, cell)))
                drawFigure(painter, *this, palette(), cellRect(row, cell), false,
                           m_cells[cell].textMargins, m_cells[cell].alignment,
                           m_rows[row].texts[cell]);
        }
    }
}

void RowControls::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    m_pressedName = nameFieldAt(point);
    if (m_pressedName) {
        forward(event, m_pressedName);
        return;
    }
    m_pressed = pictureAt(point);
    m_pressedOnBackground = !m_pressed && onBackground(point);
    if (!m_pressed) {
        // Goes on to the board, as a press on its picture or on the figures does.
        event->ignore();
        return;
    }
    if (event->button() == Qt::LeftButton)
        setSunk(m_pressed->row, m_pressed->picture, true);
}

void RowControls::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (m_pressedName && event->buttons() != Qt::NoButton) {
        forward(event, m_pressedName);
        return;
    }
    if (event->buttons() == Qt::NoButton) {
        pointAt(point);
        if (onBackground(point))
            returnPicturesHome();
    } else if (m_pressedOnBackground) {
        // Held since a press on the background, the mouse is on the background wherever it goes.
        returnPicturesHome();
    }
    event->ignore();
}

void RowControls::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressedName) {
        QWidget *name = m_pressedName;
        if (event->buttons() == Qt::NoButton)
            m_pressedName = nullptr;
        forward(event, name);
        return;
    }
    const std::optional<PictureAt> pressed = m_pressed;
    if (event->buttons() == Qt::NoButton)
        m_pressed.reset();
    if (!pressed) {
        event->ignore();
        return;
    }
    // Released elsewhere, the picture stays sunk until the mouse passes over the background.
    if (event->button() == Qt::LeftButton
        && pictureRect(pressed->row, pressed->picture).contains(event->position().toPoint())) {
        setSunk(pressed->row, pressed->picture, false);
        emit clicked(pressed->row, pressed->picture);
    }
}

void RowControls::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu of a right press on a name comes here, where the press came.
    if (QWidget *name = nameFieldAt(event->pos())) {
        QContextMenuEvent moved(event->reason(), name->mapFromGlobal(event->globalPos()),
                                event->globalPos(), event->modifiers());
        QApplication::sendEvent(name, &moved);
        return;
    }
    event->ignore();
}

} // namespace kirveno
