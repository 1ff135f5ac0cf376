#pragma once
#include <QWidget>

namespace pos {

// Places a window in the middle of the screen its parent is on (the primary
// screen for a window without parent).
void centerOnScreen(QWidget& window);

}  // namespace pos
