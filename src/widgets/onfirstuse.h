#pragma once

#include <QPointer>
#include <functional>

namespace kirveno {

// A window of the board that is made the first time it is needed and then kept: most days the
// operator opens few of them, and the board comes up sooner without them. The board owns the
// window once made, as its parent.
template<typename Window> class OnFirstUse
{
public:
    explicit OnFirstUse(std::function<Window *()> make)
        : m_make(std::move(make))
    {}

    Window &operator*()
    {
        if (!m_window)
            m_window = m_make();
        return *m_window;
    }
    Window *operator->() { return &**this; }

private:
    std::function<Window *()> m_make;
    QPointer<Window> m_window;
};

} // namespace kirveno
