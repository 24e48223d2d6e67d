// Timers on the virtual clock, modal message boxes and End.

#include "tests/support/rules_form.h"

#include "window/runtime/conversions.h"

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;

rt::Timer& tickTimer(RulesForm& r)
{
    return r.form.control<rt::Timer>("Tick");
}

struct TimerCase {
    const char* what;
    std::function<void(RulesForm&)> act;
    int ticks;
};

void PrintTo(const TimerCase& c, std::ostream* os) { *os << c.what; }

class TimerRules : public testing::TestWithParam<TimerCase> {};

TEST_P(TimerRules, TickAsOftenAsEnabledFor)
{
    RulesForm rules;
    GetParam().act(rules);
    EXPECT_EQ(static_cast<int>(rules.log.size()), GetParam().ticks);
    for (const std::string& entry : rules.log)
        EXPECT_EQ(entry, "Tick.Timer");
}

const TimerCase kTimerCases[] = {
    {"a stopped timer never ticks", [](RulesForm& r) { r.host.advance(10'000); }, 0},
    {"the first tick comes one interval after enabling",
     [](RulesForm& r) { tickTimer(r).setEnabled(true); r.host.advance(99); }, 0},
    {"then one tick every interval",
     [](RulesForm& r) { tickTimer(r).setEnabled(true); r.host.advance(1000); }, 10},
    {"a timer stopped gets no further tick",
     [](RulesForm& r) { tickTimer(r).setEnabled(true); r.host.advance(250); tickTimer(r).setEnabled(false); r.host.advance(1000); }, 2},
    {"enabling a running timer leaves its rhythm",
     [](RulesForm& r) { tickTimer(r).setEnabled(true); r.host.advance(50); tickTimer(r).setEnabled(true); r.host.advance(50); }, 1},
    {"stopping and starting again restarts the interval",
     [](RulesForm& r) {
         tickTimer(r).setEnabled(true);
         r.host.advance(50);
         tickTimer(r).setEnabled(false);
         tickTimer(r).setEnabled(true);
         r.host.advance(99);
     },
     0},
    {"a tick that stops its own timer is the last",
     [](RulesForm& r) {
         r.form.on(tickTimer(r), rt::Event::Timer, [&r] { r.log.push_back("Tick.Timer"); tickTimer(r).setEnabled(false); });
         tickTimer(r).setEnabled(true);
         r.host.advance(1000);
     },
     1},
    {"ticks go on while a box is open",
     [](RulesForm& r) {
         tickTimer(r).setEnabled(true);
         r.host.answerNext({.advanceWhileOpen = 500});
         r.form.MsgBox("espera");
     },
     5},
    {"a timer keeps ticking while its own tick's box is open",
     [](RulesForm& r) {
         // The first tick's box stays open for 1 s: ten more ticks run inside it, none piles up after.
         int depth = 0;
         r.form.on(tickTimer(r), rt::Event::Timer, [&r, depth]() mutable {
             r.log.push_back("Tick.Timer");
             if (depth++ == 0) {
                 r.host.answerNext({.advanceWhileOpen = 1000});
                 r.form.MsgBox("lento");
             }
         });
         tickTimer(r).setEnabled(true);
         r.host.advance(150);
     },
     11},
};

INSTANTIATE_TEST_SUITE_P(Timers, TimerRules, testing::ValuesIn(kTimerCases));

TEST(VirtualClock, TicksDueTogetherComeInDesignOrder)
{
    // Two timers of one window with the same rhythm: the earlier design row ticks first.
    static constexpr std::array kTwoTimers = std::to_array<rt::ControlDesign>({
        {.name = "First", .kind = rt::ControlKind::Timer, .visible = false, .enabled = false, .interval = 50},
        {.name = "Second", .kind = rt::ControlKind::Timer, .visible = false, .enabled = false, .interval = 25},
    });
    rt::Form twoTimers({.caption = "t", .clientSize = {100, 100}, .controls = kTwoTimers}, "t");
    ScriptedHost host(twoTimers);
    Log log;
    auto& first = twoTimers.control<rt::Timer>("First");
    auto& second = twoTimers.control<rt::Timer>("Second");
    twoTimers.on(first, rt::Event::Timer, [&] { log.push_back("First@" + std::to_string(host.now())); });
    twoTimers.on(second, rt::Event::Timer, [&] { log.push_back("Second@" + std::to_string(host.now())); });
    second.setEnabled(true);
    first.setEnabled(true);
    host.advance(100);
    EXPECT_EQ(log, (Log{"Second@25", "First@50", "Second@50", "Second@75", "First@100", "Second@100"}));
}

struct BoxCase {
    const char* what;
    int buttons;
    const char* title;
    int answerGiven;
    int answerExpected;
    const char* captionExpected;
};

void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.what; }

class MessageBoxes : public testing::TestWithParam<BoxCase> {};

TEST_P(MessageBoxes, AnswerAndCaption)
{
    RulesForm rules;
    const BoxCase& c = GetParam();
    rules.host.answerNext({.result = c.answerGiven});
    EXPECT_EQ(rules.form.MsgBox("texto", c.buttons, c.title), c.answerExpected);
    ASSERT_EQ(rules.host.boxes().size(), 1u);
    EXPECT_EQ(rules.host.boxes()[0].title, c.captionExpected);
    EXPECT_EQ(rules.host.boxes()[0].buttons, c.buttons);
}

const BoxCase kBoxCases[] = {
    {"an untitled box has the application's title", rt::vbOKOnly, "", rt::vbOK, rt::vbOK, "rules"},
    {"an OK-only box answers OK whatever closed it", rt::vbOKOnly, "", rt::vbCancel, rt::vbOK, "rules"},
    {"the question answers OK", rt::vbOKCancel + rt::vbQuestion, "Pregunta", rt::vbOK, rt::vbOK, "Pregunta"},
    {"the question answers Cancel (also Esc and the close box)", rt::vbOKCancel + rt::vbQuestion, "Pregunta", rt::vbCancel, rt::vbCancel, "Pregunta"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, MessageBoxes, testing::ValuesIn(kBoxCases));

TEST(MessageBoxes, OtherButtonCodesAreRefused)
{
    RulesForm rules;
    EXPECT_THROW(rules.form.MsgBox("x", 4), std::invalid_argument);
    EXPECT_TRUE(rules.host.boxes().empty());
}

TEST(End, NothingRunsAfterItAndEveryEventIsIgnored)
{
    RulesForm rules;
    rules.form.on(rules["Quit"], rt::Event::Click, [&] { rules.log.push_back("before"); rules.form.End(); });
    tickTimer(rules).setEnabled(true);
    rules.form.keyPress(rt::Key::Escape);
    rules.clickAt(RulesForm::at("Front"));
    rules.host.advance(1000);
    EXPECT_TRUE(rules.host.ended());
    EXPECT_TRUE(rules.form.ended());
    EXPECT_EQ(rules.log, (Log{"before"}));
}

TEST(End, InsideATickUnderABoxAlsoStopsTheProcedureThatOpenedTheBox)
{
    RulesForm rules;
    rules.form.on(tickTimer(rules), rt::Event::Timer, [&] { rules.log.push_back("tick"); rules.form.End(); });
    rules.form.on(rules["Front"], rt::Event::Click, [&] {
        tickTimer(rules).setEnabled(true);
        rules.host.answerNext({.advanceWhileOpen = 500});
        rules.form.MsgBox("espera");
        rules.log.push_back("after the box");
    });
    rules.clickAt(RulesForm::at("Front"));
    EXPECT_EQ(rules.log, (Log{"tick"}));
    EXPECT_TRUE(rules.host.ended());
}

TEST(RunTimeErrors, AreReportedInABoxAndEndTheProgram)
{
    RulesForm rules;
    rules.form.on(rules["Front"], rt::Event::Click, [&] {
        std::int16_t counter = 32767;
        counter = rt::add16(counter, 1);
        rules.log.push_back("wrapped to " + std::to_string(counter));
    });
    rules.clickAt(RulesForm::at("Front"));
    EXPECT_TRUE(rules.log.empty());
    ASSERT_EQ(rules.host.boxes().size(), 1u);
    EXPECT_NE(rules.host.boxes()[0].prompt.find("'6'"), std::string::npos);
    EXPECT_TRUE(rules.host.ended());
}

TEST(Pictures, ACopyShowsTheSamePictureAndAnEmptyNameClearsIt)
{
    RulesForm rules;
    auto& box = rules.form.control<rt::PictureBox>("Box");
    box.setPicture(rules.form.control<rt::Image>("Front").picture());
    EXPECT_EQ(box.picture(), rt::Picture("p"));
    box.setPicture(rt::LoadPicture(""));
    EXPECT_TRUE(box.picture().empty());
    EXPECT_THROW(rt::LoadPicture("C:\\tapon.bmp"), std::invalid_argument);
}

TEST(Refresh, DrawsAtOnceThroughTheHost)
{
    RulesForm rules;
    rules.form.control<rt::Image>("Front").Refresh();
    EXPECT_EQ(rules.host.refreshes(), (std::vector<std::string>{"Front"}));
}

} // namespace
