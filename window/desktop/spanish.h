#pragma once

class QApplication;

namespace desktop {

// Spanish (Spain) for numbers and for Qt's own texts (the text boxes' context menu, say).
void useSpanish(QApplication& app);

} // namespace desktop
