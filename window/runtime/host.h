#pragma once

#include "window/runtime/geometry.h"

#include <optional>
#include <string>

namespace rt {

class Control;
class Timer;

// Button codes and answers of a message box.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbQuestion = 32;
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;

struct MessageBox {
    std::string prompt;
    int buttons = vbOKOnly;  // vbOKOnly, or vbOKCancel + vbQuestion
    std::string title;       // never empty: the form fills in the application title
};

// What the runtime needs from whoever shows the window: the desktop in the program, a script in tests.
class Host {
public:
    virtual ~Host() = default;

    // Shows the box modally and returns vbOK or vbCancel. Timer ticks must go on being delivered
    // to the form while it is open.
    virtual int showMessageBox(const MessageBox& box) = 0;
    // Something about the control changed; draw it at the next opportunity.
    virtual void controlChanged(const Control& control) = 0;
    // Draw the control now, before returning.
    virtual void refreshNow(const Control& control) = 0;
    // The first tick comes one interval after the start; starting again restarts the interval.
    virtual void startTimer(const Timer& timer) = 0;
    virtual void stopTimer(const Timer& timer) = 0;
    virtual void focusChanged(const Control& control) = 0;
    // The whole text of the box is selected, so that typing replaces it.
    virtual void textSelected(const Control& textBox) = 0;
    // A drag began or moved (its outline, in twips, is to be drawn there) or ended (no outline).
    virtual void dragChanged(const std::optional<Rect>& outline) = 0;
    // The program ends: End, or the window closed. The desktop host does not return from it.
    virtual void end() = 0;
    // A fault of the program itself reached the form: the program ends at once, reporting the fault
    // and a failure status. The desktop host does not return from it.
    virtual void fail(const std::string& fault) = 0;
};

} // namespace rt
