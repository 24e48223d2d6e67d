#pragma once

namespace rt {

enum class Event { Click, DblClick, DragOver, DragDrop, Timer };

enum class Key { Tab, BackTab, Enter, Escape, Space };

} // namespace rt
