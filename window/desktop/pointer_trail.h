#pragma once

#include <cstdint>
#include <deque>

namespace desktop {

// What the display server said of the pointer, event by event and in its order: where the pointer
// went in and out of the window, and each press, release and move it reported. A toolkit reads the
// server's events in batches and hands them on later, so the judgement of a mouse event is looked up
// here by the event itself (its action and server time), never taken from the state of the moment.
class PointerTrail {
public:
    enum class Action { Press, Release, Move };

    struct Judgement {
        // The pointer lay on the window's own client area, not on its frame nor under another window.
        bool onWindow = true;
        // Since the mouse event judged before, the pointer went off the window by moving.
        bool leftBefore = false;
    };

    // From the display server, in its order.
    void entered();
    // `byMoving`: the pointer itself went elsewhere, not just taken for a while by another's grab.
    void left(bool byMoving);
    void reported(Action action, std::uint32_t time);

    // The judgement of the toolkit's mouse event with this action and server time. The second press of
    // a double-click, which the toolkit reports once more as such, has the judgement of its press.
    // An event the server did not report (one the toolkit made up) has the last judgement's place.
    Judgement judge(Action action, std::uint32_t time, bool secondPressOfDoubleClick = false);

private:
    struct Reported {
        Action action;
        std::uint32_t time;
        Judgement judgement;
    };

    std::deque<Reported> reported_;  // from the last judged event on, which stays in front
    bool frontJudged_ = false;
    bool onWindow_ = true;
    bool leftSinceReported_ = false;
};

} // namespace desktop
