#pragma once

#include <functional>

class QWidget;

namespace kirveno {

// Calls back once, after the window has been painted for the first time and that paint has
// gone to the screen: the moment the operator sees it.
void afterFirstPaint(QWidget &window, std::function<void()> then);

} // namespace kirveno
