#pragma once

class QWidget;

namespace desktop {

// Whether the pointer lies on this top-level window itself and not on another window stacked above
// it (nor on its frame), where the display server can tell: on X11 it is asked. Elsewhere no client
// may know what covers its window, and the answer is true.
bool pointerOnWindow(const QWidget& window);

} // namespace desktop
