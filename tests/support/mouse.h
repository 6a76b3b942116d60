#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace kirveno::testing {

// Sends one mouse event to a widget, as the window system would while the left button is held
// on it: moves and the release go to the widget the press was on, wherever the mouse is.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Presses the left button on one widget, drags and lets go over another.
inline void dragOnto(QWidget *from, QWidget *onto)
{
    const QPoint start = from->rect().center();
    sendMouse(from, QEvent::MouseButtonPress, start);
    sendMouse(from, QEvent::MouseMove, start + QPoint(3, 3));
    sendMouse(from, QEvent::MouseMove, start + QPoint(12, 12));
    const QPoint end = from->mapFromGlobal(onto->mapToGlobal(onto->rect().center()));
    sendMouse(from, QEvent::MouseMove, end);
    sendMouse(from, QEvent::MouseButtonRelease, end);
}

} // namespace kirveno::testing
