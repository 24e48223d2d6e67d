#pragma once

namespace rt {

enum class Event { Click, DblClick, DragOver, DragDrop, Timer };

enum class Key { Tab, BackTab, Enter, Escape, Space };

// Where the pointer is, as the host sees it: over the window's client area where it shows, or
// elsewhere (outside that area, or over another window that covers it).
enum class Over { Window, Elsewhere };

} // namespace rt
