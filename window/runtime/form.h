#pragma once

// The window runtime: a window's controls, its event table, and the rules by which input, timers and
// message boxes become events. It is plain C++ and is driven by a Host (the desktop, or a test script).
//
// The rules, each kept by Form and tested as a table:
//  1. Hit: the frontmost visible control at the point. Windowed controls (progress bars, picture boxes,
//     buttons, text boxes) lie in front of windowless ones (images, labels); within each layer the
//     design table runs front to back. Timers have no place. An AutoSize label's place holds its
//     caption as the host measured it in the font it shows it in.
//  2. A hidden control gets no event. A disabled control gets no mouse event and cannot be dragged;
//     a mouse event whose hit is disabled goes to the window, which has no procedure: nothing happens,
//     and nothing behind the disabled control is reached.
//  3. Click: press and release on the same reachable control. Double-click: the second press raises
//     DblClick (Click, then DblClick; no second Click), but only when the first press of the pair fell
//     on the same control, no message box opened in between, and the pointer stayed on the window's
//     client area and the window active (a press elsewhere between the two, on another program's
//     window say, comes with the pointer leaving); otherwise it is a plain press, whose Click follows.
//     The host judges the double-click's time and distance, and reports the pointer leaving.
//  4. Automatic drag: a press (or the second press of a double-click) on a reachable control in
//     automatic-drag mode starts a drag at once, with no Click. An outline of the source's size keeps
//     its offset to the pointer. The press and every move raise DragOver on the reachable control under
//     the pointer, the source itself included, so a DragOver procedure runs as soon as the pointer
//     enters its control. Release raises DragDrop on the reachable control under the pointer; what is
//     dropped is never looked at. A drag goes on when its source is hidden meanwhile; it ends without
//     a drop when a message box opens, a new press comes or the program ends, and the host hears that
//     the outline is gone whichever way it ends.
//  5. The pointer elsewhere: a move or release that the host reports away from the window (outside
//     its client area, or over another window that covers it) reaches no control: no DragOver, no
//     DragDrop, no Click; the outline still follows it. The host judges each event where it happened,
//     with the windows as they stood then, never by where the pointer is when it gets to the event. A press whose release the host lost (the
//     window hidden, minimized or deactivated, or a move that comes with no button held) ends with
//     no Click, and a drag with no drop.
//  6. Keyboard: the focus starts on the first control in tab order that can take it. Tab and Shift+Tab
//     follow TabIndex over text boxes, buttons and picture boxes that are reachable (labels, images
//     and progress bars never take the focus). Enter presses the focused button, else the default
//     button; Esc presses the cancel button wherever the focus is; Space presses the focused button.
//     A press on a text box, button or picture box gives it the focus. When the focused control is
//     hidden or disabled, the focus first moves on to the next control in tab order that can take it
//     (to none when no control can), so the host never keeps it on a control that cannot have it.
//  7. Timers: while Enabled, a Timer event every Interval ms, the first one interval after enabling;
//     enabling a running timer leaves it running; a stopped timer gets no further tick. Ticks do not
//     pile up (the host's concern: one late tick, never a burst). A timer never re-enters its own
//     procedure: while that procedure waits in a message box it opened, the timer's ticks are
//     skipped, not saved up, and it ticks on in its rhythm once the procedure has returned (as the
//     desktop's timers do).
//  8. Message box: modal to the application. Mouse and keys are ignored while one is open, but the
//     ticks of every other timer go on and their procedures run to the end inside it. The answer is
//     vbOK or vbCancel; an OK-only box always answers vbOK. Without a title the caption is the
//     application title.
//  9. End: no procedure runs after it; every event is ignored from then on.
// 10. Errors: every input enters through one boundary. A run-time error that escapes a procedure is
//     reported in a box ("Se ha producido el error '6' en tiempo de ejecución: ..."), then the program
//     ends. Any other exception is a fault of the program itself: the host is told, and the program
//     ends at once with a failure status. Nothing unwinds into the host.

#include "window/runtime/control.h"
#include "window/runtime/events.h"
#include "window/runtime/host.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace rt {

struct FormDesign {
    const char* caption = "";
    Size clientSize{};  // twips
    const char* icon = "";  // the picture in the title bar
    std::span<const ControlDesign> controls;  // front to back
};

class Form {
public:
    using Procedure = std::function<void()>;

    struct Drag {
        const Control* source = nullptr;
        Rect outline{};
    };

    Form(const FormDesign& design, std::string applicationTitle);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& caption() const { return caption_; }
    Size clientSize() const { return clientSize_; }
    const Picture& icon() const { return icon_; }

    // Controls in stacking order as designed: front to back within each layer.
    std::span<Control* const> controls() { return order_; }
    std::span<const Control* const> controls() const;
    Control* find(std::string_view name, int index = -1);
    const Control* find(std::string_view name, int index = -1) const;
    template <class T>
    T& control(std::string_view name, int index = -1);
    template <class T>
    const T& control(std::string_view name, int index = -1) const;

    // The event table: which procedure answers which event of which control.
    void on(const Control& control, Event event, Procedure procedure);
    void onLoad(Procedure procedure);

    // One host at a time: attaching a second one while the first is attached is refused.
    void attach(Host& host);
    void detach() { host_ = nullptr; }

    // Input from the host. Points are in twips from the client area's top-left corner.
    void Load();
    void pointerPress(Point at);
    void pointerDoubleClick(Point at);
    void pointerMove(Point at, Over over = Over::Window);
    void pointerRelease(Point at, Over over = Over::Window);
    // The release of the press under way will not come: the host lost it.
    void pointerLost();
    // The pointer left the client area, or the window its activation: no double-click spans it.
    void pointerLeft();
    void keyPress(Key key);
    // The desktop moved the focus by itself (an access key, say).
    void focusMovedByHost(const Control& control);
    void tick(const Timer& timer);
    // The learner closed the window: no procedure answers it, the program simply ends.
    void windowClosed();

    // State the host shows.
    const Control* hitTest(Point at) const;
    const Control* focused() const { return focused_; }
    std::optional<Drag> drag() const;
    bool modal() const { return openBoxes_ > 0; }
    bool ended() const { return ended_; }

    // Services for procedures.
    int MsgBox(const std::string& prompt, int buttons = vbOKOnly, const std::string& title = "");
    [[noreturn]] void End();

private:
    friend class Control;
    friend class Image;
    friend class Timer;
    friend class TextBox;

    struct DragState {
        const Control* source = nullptr;
        Point grabbedAt{};
        Point pointer{};
    };

    void controlChanged(const Control& control);
    void refreshNow(const Control& control);
    void timerEnabledChanged(const Timer& timer);
    void focusAndSelect(TextBox& textBox);

    std::size_t positionOf(std::string_view name, int index) const;
    template <class T, class Found>
    T& typed(Found* found, std::string_view name) const;
    template <class Fn>
    void deliver(Fn&& fn);
    void raise(const Control& control, Event event);
    void pressAt(Point at, bool secondPressOfDoubleClick);
    void releaseAt(Point at, Over over);
    void moveTo(Point at, Over over);
    const Control* reachableHit(Point at, Over over) const;
    void forgetPress();
    void pressKey(Key key);
    void endDrag();
    void setFocus(const Control* control);
    void moveFocus(int step);
    void pressButton(const CommandButton* button);
    void endProgram(const std::optional<std::string>& fault = std::nullopt);
    bool acceptsInput() const { return !ended_ && openBoxes_ == 0; }

    std::string caption_;
    Size clientSize_;
    std::string applicationTitle_;  // the caption of a box without a title of its own
    Picture icon_;
    std::vector<std::unique_ptr<Control>> owned_;
    std::vector<Control*> order_;
    std::map<std::pair<const Control*, Event>, Procedure> procedures_;
    Procedure load_;
    Host* host_ = nullptr;

    const Control* focused_ = nullptr;
    const Control* pressed_ = nullptr;
    const Control* lastPressHit_ = nullptr;  // where a double-click's first press fell
    std::optional<DragState> drag_;
    std::set<const Timer*> ticking_;  // timers whose procedure is running, waiting in a box
    int openBoxes_ = 0;
    bool ended_ = false;
};

template <class T>
T& Form::control(std::string_view name, int index)
{
    return typed<T>(find(name, index), name);
}

template <class T>
const T& Form::control(std::string_view name, int index) const
{
    return typed<const T>(find(name, index), name);
}

template <class T, class Found>
T& Form::typed(Found* found, std::string_view name) const
{
    auto* control = dynamic_cast<T*>(found);
    if (control == nullptr)
        throw std::logic_error("no control " + std::string(name) + " of that class in " + caption_);
    return *control;
}

} // namespace rt
