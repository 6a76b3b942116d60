#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

// Ends the event loop once the window has been painted for the first time, that is when the
// operator sees it: a start-up measured to there pays for the fonts and the pictures as they are
// first drawn, the yardsticks as well as the board.
inline void quitWhenPainted(QWidget &window)
{
    struct FirstPaint : QObject
    {
        using QObject::QObject;
        bool eventFilter(QObject *, QEvent *event) override
        {
            // Quitting after the paint in progress, with its children and the flush to the screen.
            if (event->type() == QEvent::Paint)
                QTimer::singleShot(0, qApp, &QCoreApplication::quit);
            return false;
        }
    };
    window.installEventFilter(new FirstPaint(&window));
}
