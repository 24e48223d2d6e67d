// The runtime's input rules, as a table: what the learner does, and which procedures run.

#include "tests/support/rules_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;
using P = RulesForm;

struct InputCase {
    const char* what;
    std::function<void(RulesForm&)> act;
    Log expected;
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << c.what; }

class InputRules : public testing::TestWithParam<InputCase> {};

TEST_P(InputRules, RaiseExactlyTheseEvents)
{
    RulesForm rules;
    GetParam().act(rules);
    EXPECT_EQ(rules.log, GetParam().expected);
    // The host draws an outline exactly while a drag lasts, however the drag ended.
    EXPECT_EQ(rules.host.dragOutline().has_value(), rules.form.drag().has_value());
}

const InputCase kInputCases[] = {
    {"a click raises Click", [](P& r) { r.clickAt(P::at("Front")); }, {"Front.Click"}},
    {"a windowed control lies in front of a windowless one", [](P& r) { r.clickAt(P::at("BoxOverFront")); }, {"Box.Click"}},
    {"an earlier row lies in front of a later one", [](P& r) { r.clickAt({200 + 150, 150}); }, {"Front.Click"}},
    {"what shows behind is hit where nothing covers it", [](P& r) { r.clickAt(P::at("Back")); }, {"Back.Click"}},
    {"a hidden control is passed over", [](P& r) { r.clickAt(P::at("Hidden")); }, {"Behind.Click"}},
    {"a disabled control swallows the click", [](P& r) { r.clickAt(P::at("Disabled")); }, {}},
    {"a click on the bare window runs nothing", [](P& r) { r.clickAt(P::at("Nothing")); }, {}},
    {"a label takes clicks", [](P& r) { r.clickAt(P::at("Caption")); }, {"Caption.Click"}},
    {"press and release on different controls is no click",
     [](P& r) { r.form.pointerPress(P::at("Front")); r.form.pointerRelease(P::at("Back")); }, {}},
    {"an AutoSize label takes clicks wherever the host measured its caption",
     [](P& r) { static_cast<rt::Label&>(r["Caption"]).fitCaption({900, 300}); r.clickAt({3750, 1950}); }, {"Caption.Click"}},
    {"a double-click raises Click then DblClick", [](P& r) { r.doubleClickAt(P::at("Front")); }, {"Front.Click", "Front.DblClick"}},
    {"a double-click whose presses fell on two controls is a click on each",
     [](P& r) {
         r.clickAt(P::at("Front"));
         r.form.pointerDoubleClick(P::at("Back"));
         r.form.pointerRelease(P::at("Back"));
     },
     {"Front.Click", "Back.Click"}},
    {"a message box between the two presses leaves the second a plain press",
     [](P& r) {
         r.form.on(r["Front"], rt::Event::Click, [&r] { r.log.push_back("box"); r.form.MsgBox("hola"); });
         r.doubleClickAt(P::at("Front"));
     },
     {"box", "box"}},
    {"the pointer leaving the window between the two presses leaves the second a plain press",
     [](P& r) {
         r.clickAt(P::at("Front"));
         r.form.pointerLeft();
         r.form.pointerDoubleClick(P::at("Front"));
         r.form.pointerRelease(P::at("Front"));
     },
     {"Front.Click", "Front.Click"}},
    {"a disabled control swallows the double-click", [](P& r) { r.doubleClickAt(P::at("Disabled")); }, {}},
    {"a hidden control gets no double-click", [](P& r) { r.doubleClickAt(P::at("Hidden")); }, {"Behind.Click", "Behind.DblClick"}},
    {"a press on a draggable control starts a drag, not a click",
     [](P& r) { r.clickAt(P::at("Dragger")); }, {"Dragger.DragOver", "Dragger.DragDrop"}},
    {"a drag raises DragOver on entering its target, then DragDrop",
     [](P& r) { r.drag(P::at("Dragger"), P::at("Target")); }, {"Dragger.DragOver", "Target.DragOver", "Target.DragDrop"}},
    {"every move over a control raises DragOver",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r.form.pointerMove(P::at("Target"));
         r.form.pointerMove({P::at("Target").x + 15, P::at("Target").y});
         r.form.pointerRelease(P::at("Nothing"));
     },
     {"Dragger.DragOver", "Target.DragOver", "Target.DragOver"}},
    {"a control dropped on itself gets its own DragDrop",
     [](P& r) { r.drag(P::at("Dragger"), P::at("Dragger")); }, {"Dragger.DragOver", "Dragger.DragOver", "Dragger.DragDrop"}},
    {"a drop on the bare window runs nothing", [](P& r) { r.drag(P::at("Dragger"), P::at("Nothing")); }, {"Dragger.DragOver"}},
    {"a disabled target gets neither DragOver nor DragDrop",
     [](P& r) { r.drag(P::at("Dragger"), P::at("Disabled")); }, {"Dragger.DragOver"}},
    {"a hidden target is passed over for what lies behind",
     [](P& r) { r.drag(P::at("Dragger"), P::at("Hidden")); }, {"Dragger.DragOver", "Behind.DragOver", "Behind.DragDrop"}},
    {"no drag starts from a disabled control", [](P& r) { r.drag(P::at("Stuck"), P::at("Target")); }, {}},
    {"no drag starts from a control without automatic drag", [](P& r) { r.drag(P::at("Front"), P::at("Target")); }, {}},
    {"no drag starts from a hidden control",
     [](P& r) { r["Dragger"].setVisible(false); r.drag(P::at("Dragger"), P::at("Target")); }, {}},
    {"a drag goes on when its source is hidden meanwhile",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r["Dragger"].setVisible(false);
         r.form.pointerMove(P::at("Target"));
         r.form.pointerRelease(P::at("Target"));
     },
     {"Dragger.DragOver", "Target.DragOver", "Target.DragDrop"}},
    {"a target enabled during the drag takes the drop",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r["Disabled"].setEnabled(true);
         r.form.pointerRelease(P::at("Disabled"));
     },
     {"Dragger.DragOver", "Disabled.DragDrop"}},
    {"a new press ends the drag without a drop",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r.form.pointerMove(P::at("Target"));
         r.clickAt(P::at("Front"));
         r.form.pointerRelease(P::at("Target"));
     },
     {"Dragger.DragOver", "Target.DragOver", "Front.Click"}},
    {"away from the window a drag raises neither DragOver nor DragDrop",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r.form.pointerMove(P::at("Target"), rt::Over::Elsewhere);
         r.form.pointerRelease(P::at("Target"), rt::Over::Elsewhere);
     },
     {"Dragger.DragOver"}},
    {"a press released away from the window is no click",
     [](P& r) { r.form.pointerPress(P::at("Front")); r.form.pointerRelease(P::at("Front"), rt::Over::Elsewhere); }, {}},
    {"a lost release ends the drag: the release that comes later drops nothing",
     [](P& r) {
         r.form.pointerPress(P::at("Dragger"));
         r.form.pointerMove(P::at("Target"));
         r.form.pointerLost();
         r.form.pointerMove(P::at("Back"));
         r.form.pointerRelease(P::at("Target"));
     },
     {"Dragger.DragOver", "Target.DragOver"}},
    {"a lost release leaves the press without a click",
     [](P& r) { r.form.pointerPress(P::at("Front")); r.form.pointerLost(); r.form.pointerRelease(P::at("Front")); }, {}},
    {"a message box ends the drag without a drop",
     [](P& r) {
         r.form.on(r["Target"], rt::Event::DragOver, [&r] { r.log.push_back("box"); r.form.MsgBox("hola"); });
         r.drag(P::at("Dragger"), P::at("Target"));
     },
     {"Dragger.DragOver", "box"}},
    {"the window takes no mouse input while a box is open",
     [](P& r) {
         r.host.answerNext({.whileOpen = [&r](const ScriptedHost::Box&) {
             r.clickAt(P::at("Back"));
             r.drag(P::at("Dragger"), P::at("Target"));
             r.form.keyPress(rt::Key::Escape);
         }});
         r.form.on(r["Front"], rt::Event::Click, [&r] { r.form.MsgBox("hola"); r.log.push_back("closed"); });
         r.clickAt(P::at("Front"));
     },
     {"closed"}},
};

INSTANTIATE_TEST_SUITE_P(Mouse, InputRules, testing::ValuesIn(kInputCases));

struct KeyCase {
    const char* what;
    const char* focusOn;  // clicked first to put the focus there, or nullptr
    std::function<void(RulesForm&)> then;  // done to the window before the keys, or empty
    std::vector<rt::Key> keys;
    Log expected;
    const char* focusAfter;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class KeyRules : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyRules, PressTheRightButtonAndMoveTheFocus)
{
    RulesForm rules;
    const KeyCase& c = GetParam();
    if (c.focusOn != nullptr) {
        rules.clickAt(P::at(c.focusOn));
        rules.log.clear();
    }
    if (c.then)
        c.then(rules);
    for (rt::Key key : c.keys)
        rules.form.keyPress(key);
    EXPECT_EQ(rules.log, c.expected);
    ASSERT_NE(rules.form.focused(), nullptr);
    EXPECT_EQ(rules.form.focused()->name(), c.focusAfter);
    // The host is told of every move, so that its own focus and the window's never part.
    if (rules.host.lastFocused() != nullptr) {
        EXPECT_EQ(rules.host.lastFocused(), rules.form.focused());
    }
}

using rt::Key;

const KeyCase kKeyCases[] = {
    {"the focus starts on the first control in tab order", nullptr, {}, {}, {}, "Ok"},
    {"Tab follows TabIndex and skips labels", nullptr, {}, {Key::Tab, Key::Tab, Key::Tab}, {}, "Text"},
    {"Tab wraps around", nullptr, {}, {Key::Tab, Key::Tab, Key::Tab, Key::Tab}, {}, "Ok"},
    {"Shift+Tab goes back", nullptr, {}, {Key::BackTab}, {}, "Text"},
    {"Enter in a text box presses the default button", "Text", {}, {Key::Enter}, {"Ok.Click"}, "Text"},
    {"Enter on a focused button presses that button", "Quit", {}, {Key::Enter}, {"Quit.Click"}, "Quit"},
    {"Esc presses the cancel button wherever the focus is", "Text", {}, {Key::Escape}, {"Quit.Click"}, "Text"},
    {"Space presses the focused button", "Quit", {}, {Key::Space}, {"Quit.Click"}, "Quit"},
    {"Space in a text box presses nothing", "Text", {}, {Key::Space}, {}, "Text"},
    {"a click on a picture box gives it the focus", "Box", {}, {}, {}, "Box"},
    {"a click on an image leaves the focus", "Front", {}, {}, {}, "Ok"},
    {"the focused control hidden: the focus moves on along the tab order", "Quit",
     [](P& r) { r["Quit"].setVisible(false); }, {}, {}, "Box"},
    {"the focused control disabled: the next one that can take it has it", "Quit",
     [](P& r) { r["Box"].setVisible(false); r["Quit"].setEnabled(false); }, {}, {}, "Text"},
};

INSTANTIATE_TEST_SUITE_P(Keyboard, KeyRules, testing::ValuesIn(kKeyCases));

TEST(KeyRules, HiddenAndDisabledControlsAreSkippedAndPressNothing)
{
    RulesForm rules;
    rules["Quit"].setEnabled(false);
    rules["Box"].setVisible(false);
    rules.form.keyPress(Key::Tab);
    EXPECT_EQ(rules.form.focused()->name(), "Text");
    rules.form.keyPress(Key::Escape);
    rules["Ok"].setEnabled(false);
    rules.form.keyPress(Key::Enter);
    EXPECT_TRUE(rules.log.empty());
}

} // namespace
