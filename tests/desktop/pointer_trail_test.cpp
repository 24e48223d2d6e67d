// The X server's account of the pointer, read ahead of the mouse events Qt hands on later: each event
// is judged as things stood when it happened.

#include "window/desktop/pointer_trail.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <vector>

namespace {

using desktop::PointerTrail;
using Action = PointerTrail::Action;

// A mouse event as Qt hands it on, and how it should be judged.
struct Handed {
    Action action;
    std::uint32_t time;
    bool onWindow;
    bool leftBefore = false;
    bool secondPressOfDoubleClick = false;
};

struct TrailCase {
    const char* what;
    std::function<void(PointerTrail&)> server;  // everything the server said, read in one batch
    std::vector<Handed> handed;
};

void PrintTo(const TrailCase& c, std::ostream* os) { *os << c.what; }

class Trail : public testing::TestWithParam<TrailCase> {};

TEST_P(Trail, JudgesEachEventAsThingsStoodWhenItHappened)
{
    PointerTrail trail;
    GetParam().server(trail);
    for (const Handed& event : GetParam().handed) {
        const PointerTrail::Judgement judged = trail.judge(event.action, event.time, event.secondPressOfDoubleClick);
        EXPECT_EQ(judged.onWindow, event.onWindow) << "at time " << event.time;
        EXPECT_EQ(judged.leftBefore, event.leftBefore) << "at time " << event.time;
    }
}

const TrailCase kTrailCases[] = {
    {"a release let go on the window counts there though the pointer left right after",
     [](PointerTrail& t) {
         t.reported(Action::Move, 10);
         t.reported(Action::Release, 12);
         t.left(true);
         t.reported(Action::Move, 12);
     },
     {{Action::Move, 10, true}, {Action::Release, 12, true}, {Action::Move, 12, false, true}}},
    {"a release over another window counts there though the pointer came back before it was read",
     [](PointerTrail& t) {
         t.reported(Action::Move, 10);
         t.left(true);
         t.reported(Action::Move, 11);
         t.reported(Action::Release, 12);
         t.entered();
         t.reported(Action::Move, 13);
     },
     {{Action::Move, 10, true}, {Action::Move, 11, false, true}, {Action::Release, 12, false}, {Action::Move, 13, true}}},
    {"a press elsewhere between two presses: the second, also as a double-click, tells of the leaving once",
     [](PointerTrail& t) {
         t.reported(Action::Press, 10);
         t.reported(Action::Release, 10);
         t.left(true);
         t.entered();
         t.reported(Action::Press, 70);
     },
     {{Action::Press, 10, true}, {Action::Release, 10, true}, {Action::Press, 70, true, true, true},
      {Action::Press, 70, true, false, true}}},
    {"a window manager's grab on a press is no leaving",
     [](PointerTrail& t) {
         t.reported(Action::Press, 10);
         t.left(false);
         t.entered();
         t.reported(Action::Press, 20);
     },
     {{Action::Press, 10, true}, {Action::Press, 20, true, false, true}}},
    {"a leaving before events never handed on still counts for the next one",
     [](PointerTrail& t) {
         t.reported(Action::Press, 10);
         t.left(true);
         t.entered();
         t.reported(Action::Move, 20);
         t.reported(Action::Move, 30);
         t.reported(Action::Press, 40);
     },
     {{Action::Press, 10, true}, {Action::Press, 40, true, true}}},
    {"an event the server never reported has the place of the one judged before",
     [](PointerTrail& t) {
         t.left(true);
         t.reported(Action::Move, 10);
         t.entered();
     },
     {{Action::Move, 10, false, true}, {Action::Move, 99, false}}},
    {"the same event reported twice, by the pointer and by its device, is judged once",
     [](PointerTrail& t) {
         t.reported(Action::Release, 10);
         t.left(true);
         t.reported(Action::Release, 11);
         t.entered();
         t.reported(Action::Move, 12);
     },
     {{Action::Release, 11, false, true}, {Action::Move, 12, true}}},
};

INSTANTIATE_TEST_SUITE_P(X11, Trail, testing::ValuesIn(kTrailCases));

} // namespace
