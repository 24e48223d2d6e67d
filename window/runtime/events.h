#pragma once

namespace rt {

enum class Event { Load, Click, DblClick, DragOver, DragDrop, Timer };

enum class Key { Tab, BackTab, Enter, Escape, Space };

} // namespace rt
