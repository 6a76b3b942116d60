#include "firstpaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace kirveno {
namespace {

class FirstPaint : public QObject
{
public:
    FirstPaint(QWidget &window, std::function<void()> then)
        : QObject(&window)
        , m_then(std::move(then))
    {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // After the paint in progress, with the window's children and the flush to the screen.
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            QTimer::singleShot(0, this, [this] {
                m_then();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> m_then;
    bool m_done = false;
};

} // namespace

void afterFirstPaint(QWidget &window, std::function<void()> then)
{
    new FirstPaint(window, std::move(then));
}

} // namespace kirveno
