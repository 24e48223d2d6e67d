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
    {"a timer skips its ticks while its own tick's box is open, then ticks on in its rhythm",
     [](RulesForm& r) {
         // The first tick's box stays open for 1 s: the ten ticks due inside it are skipped, as the
         // desktop's timers never re-enter their own procedure; then it ticks at 1200 and 1300.
         int depth = 0;
         r.form.on(tickTimer(r), rt::Event::Timer, [&r, depth]() mutable {
             r.log.push_back("Tick.Timer");
             if (depth++ == 0) {
                 r.host.answerNext({.advanceWhileOpen = 1000});
                 r.form.MsgBox("lento");
             }
         });
         tickTimer(r).setEnabled(true);
         r.host.advance(1300);
     },
     3},
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

// What a procedure can do wrong, and how the program ends: a run-time error is reported in a box,
// anything else is a fault of the program handed to the host. Nothing unwinds past the form.
struct ErrorCase {
    const char* name;
    std::function<void(RulesForm&)> fault;
    std::string box;    // the report, empty for none
    bool programFault;
};

void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class ErrorsInAProcedure : public testing::TestWithParam<ErrorCase> {};

TEST_P(ErrorsInAProcedure, EndTheProgramWithNothingRunAfterThem)
{
    RulesForm rules;
    rules.form.on(rules["Front"], rt::Event::Click, [&] {
        GetParam().fault(rules);
        rules.log.push_back("after the error");
    });
    rules.form.on(rules["Back"], rt::Event::Click, [&] { rules.log.push_back("Back.Click"); });
    EXPECT_NO_THROW(rules.clickAt(RulesForm::at("Front")));
    rules.clickAt(RulesForm::at("Back"));

    EXPECT_TRUE(rules.log.empty());
    EXPECT_TRUE(rules.host.ended());
    EXPECT_EQ(rules.host.boxTexts(), GetParam().box.empty() ? std::vector<std::string>{} : std::vector{GetParam().box});
    EXPECT_EQ(rules.host.fault().empty(), !GetParam().programFault) << rules.host.fault();
}

INSTANTIATE_TEST_SUITE_P(
    RunTimeErrors, ErrorsInAProcedure,
    testing::Values(
        ErrorCase{"SixteenBitOverflow",
                  [](RulesForm&) { rt::add16(32767, 1); },
                  "Se ha producido el error '6' en tiempo de ejecución:\n\nDesbordamiento", false},
        ErrorCase{"ProgressBarValueBeyondItsMaximum",
                  [](RulesForm& r) { r.form.control<rt::ProgressBar>("Bar").setValue(101); },
                  "Se ha producido el error '380' en tiempo de ejecución:\n\nEl valor de la propiedad no es válido", false},
        ErrorCase{"AControlTheWindowDoesNotHave",
                  [](RulesForm& r) { r.form.control<rt::Image>("Nowhere"); }, "", true},
        ErrorCase{"AFaultInATickWhileTheProceduresBoxIsOpen",
                  [](RulesForm& r) {
                      auto& tick = tickTimer(r);
                      r.form.on(tick, rt::Event::Timer, [] { throw std::logic_error("broken tick"); });
                      tick.setEnabled(true);
                      r.host.answerNext({.advanceWhileOpen = 100});
                      r.form.MsgBox("espera");
                  },
                  "espera", true}),
    [](const testing::TestParamInfo<ErrorCase>& row) { return std::string(row.param.name); });

TEST(Hosts, ASecondOneIsRefusedWhileTheFirstIsAttached)
{
    RulesForm rules;
    EXPECT_THROW(ScriptedHost second(rules.form), std::logic_error);
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
