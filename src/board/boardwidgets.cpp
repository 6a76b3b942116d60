#include "boardwidgets.h"

#include <QMouseEvent>

// The pictures live in a resource of this static library, which the linker would drop unless
// it is named.
static void initPictureResource()
{
    Q_INIT_RESOURCE(pictures);
}

namespace kirveno {

void initPictures()
{
    static const bool done = (initPictureResource(), true);
    Q_UNUSED(done);
}

ActionImage::ActionImage(const QPixmap &picture, QPoint home, QWidget *parent)
    : QLabel(parent)
    , m_home(home)
{
    setPixmap(picture);
    setGeometry(QRect(home, QSize(18, 18)));
    setCursor(Qt::PointingHandCursor);
}

void ActionImage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        move(m_home + QPoint(1, 1));
}

void ActionImage::mouseReleaseEvent(QMouseEvent *event)
{
    // Released elsewhere, the picture stays sunk until the mouse passes over the background.
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint()))
        return;
    returnHome();
    emit clicked();
}

ToolbarIcon::ToolbarIcon(const QPixmap &picture, QPoint home, QWidget *parent)
    : QLabel(parent)
    , m_home(home)
{
    setPixmap(picture);
    setGeometry(QRect(home, QSize(33, 33)));
    setCursor(Qt::PointingHandCursor);
}

void ToolbarIcon::enterEvent(QEnterEvent *)
{
    move(m_home + QPoint(1, 1));
}

void ToolbarIcon::leaveEvent(QEvent *)
{
    move(m_home);
}

void ToolbarIcon::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

} // namespace kirveno
