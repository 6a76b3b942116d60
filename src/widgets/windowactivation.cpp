#include "windowactivation.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kirveno {

WindowActivation::WindowActivation(QWidget *window, std::function<void()> activated)
    : QObject(window)
    , m_window(window)
    , m_activated(std::move(activated))
{
    window->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focus) {
        const QWindow *from = m_lastFocus;
        m_lastFocus = focus;
        if (!focus || focus != m_window->windowHandle() || !from)
            return;
        const bool passing = from->type() == Qt::Popup || from->type() == Qt::ToolTip;
        if (!passing && from->transientParent() != focus)
            request();
    });
}

void WindowActivation::request()
{
    if (m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        if (m_window->isVisible() && !QApplication::activeModalWidget())
            m_activated();
    });
}

bool WindowActivation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Show)
        request();
    return false;
}

} // namespace kirveno
