#pragma once

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>

class QWidget;

namespace kirveno {

// Calls back each time a window of the program takes over from another window of the program:
// when it is shown, and when the focus comes back to it from another of our windows (the board,
// a dialog). Coming back from another program does not count, nor does the closing of a popup
// menu, a tooltip or a message box that the window itself opened. The call comes once per hand
// over, after the window that handed over has gone, and never while a modal dialog is open.
class WindowActivation : public QObject
{
public:
    WindowActivation(QWidget *window, std::function<void()> activated);

    // Asks for the call as a hand-over would.
    void request();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    std::function<void()> m_activated;
    QPointer<QWindow> m_lastFocus;
    bool m_pending = false;
};

} // namespace kirveno
