// The mileage check on "&Simular": no change, a change due, and mileages that cannot be used.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kDueBoxes[] = {
    "Sigue las instrucciones que te indican en texto de arriba",
    "Abrir cofre dando un clip en el camion y quita el tapon y  guardarlo",
};
const char* const kOpenTheHood = "->Abrir cofre dando un click en el camión";

// ---------------------------------------------------------------------------------------------
// No change due: one box with the difference, nothing else.

struct NotDueCase {
    const char* previous;
    const char* current;
    const char* box;
};

void PrintTo(const NotDueCase& c, std::ostream* os) { *os << '"' << c.previous << "\" / \"" << c.current << '"'; }

class NoChangeDue : public testing::TestWithParam<NotDueCase> {};

TEST_P(NoChangeDue, SaysSoWithTheDifferenceAndChangesNothing)
{
    Learner learner;
    learner.startProgram();
    enterMileages(learner, GetParam().previous, GetParam().current);
    const Scene before = sceneOf(learner);

    learner.key(rt::Key::Enter);

    ASSERT_EQ(learner.host.boxes().size(), 4u);
    const ScriptedHost::Box& box = learner.host.boxes().back();
    EXPECT_EQ(box.prompt, GetParam().box);
    EXPECT_EQ(box.title, "vesmol");
    EXPECT_EQ(box.buttons, rt::vbOKOnly);
    EXPECT_EQ(sceneOf(learner), before);
    EXPECT_TRUE(learner.host.refreshes().empty());
}

INSTANTIATE_TEST_SUITE_P(Mileages, NoChangeDue, testing::Values(
    NotDueCase{"0", "0", "No se va a cambiar el vesmol,0"},
    NotDueCase{"0", "4999", "No se va a cambiar el vesmol,4999"},
    NotDueCase{"5000", "0", "No se va a cambiar el vesmol,-5000"},
    NotDueCase{"  100 ", "+5099", "No se va a cambiar el vesmol,4999"},
    NotDueCase{"2147483647", "2147483647", "No se va a cambiar el vesmol,0"},
    NotDueCase{"-2147483648", "-2147483648", "No se va a cambiar el vesmol,0"},
    NotDueCase{"2147483647", "-1", "No se va a cambiar el vesmol,-2147483648"}));

TEST(NoChangeDue, MidRunLeavesTheBlinkingHoodAsItWas)
{
    Learner learner;
    learner.startProgram();
    learner.click("Imgcamion");
    learner.advance(1000);
    const Scene before = sceneOf(learner);

    learner.key(rt::Key::Enter);  // both boxes still "0"

    EXPECT_EQ(learner.host.boxTexts().back(), "No se va a cambiar el vesmol,0");
    EXPECT_EQ(sceneOf(learner), before);
}

// ---------------------------------------------------------------------------------------------
// A change due: three boxes, the bottles one by one, the instruction, then the cap.

struct DueCase {
    const char* previous;
    const char* current;
    const char* firstBox;
};

void PrintTo(const DueCase& c, std::ostream* os) { *os << '"' << c.previous << "\" / \"" << c.current << '"'; }

// What stands behind a box as it opens.
struct Behind {
    std::string line;
    int bottlesShown = 0;
    std::size_t refreshes = 0;
    bool capEnabled = false;
    friend bool operator==(const Behind&, const Behind&) = default;
};

std::ostream& operator<<(std::ostream& os, const Behind& b)
{
    return os << "line \"" << b.line << "\", " << b.bottlesShown << " bottles shown, " << b.refreshes << " refreshed, cap "
              << (b.capEnabled ? "enabled" : "disabled");
}

class ChangeDue : public testing::TestWithParam<DueCase> {};

TEST_P(ChangeDue, ShowsTheBottlesThenTheInstructionThenEnablesTheCap)
{
    Learner learner;
    learner.startProgram();
    enterMileages(learner, GetParam().previous, GetParam().current);
    const Scene before = sceneOf(learner);

    std::vector<Behind> behind;
    learner.host.onEveryBox([&](const ScriptedHost::Box&) {
        int shown = 0;
        for (int k = 0; k < Form1::kBottles; ++k)
            shown += learner.form.imgVesmol(k).visible() ? 1 : 0;
        behind.push_back({learner.text("Txtmensaje"), shown, learner.host.refreshes().size(), learner.form.Imgtapon.enabled()});
    });

    learner.key(rt::Key::Enter);

    EXPECT_EQ(boxesSince(learner, 3), (std::vector<std::string>{GetParam().firstBox, kDueBoxes[0], kDueBoxes[1]}));
    EXPECT_EQ(behind, (std::vector<Behind>{{"", 0, 0, false}, {"", 5, 5, false}, {kOpenTheHood, 5, 5, false}}));
    EXPECT_EQ(learner.host.refreshes(),
              (std::vector<std::string>{"imgVesmol(0)", "imgVesmol(1)", "imgVesmol(2)", "imgVesmol(3)", "imgVesmol(4)"}));

    // The bottles shown but not yet usable, the cap usable but still hidden; nothing else touched.
    Scene expected = before;
    for (int k = 0; k < Form1::kBottles; ++k)
        expected["imgVesmol(" + std::to_string(k) + ")"].visible = true;
    expected["Txtmensaje"].text = kOpenTheHood;
    expected["Imgtapon"].enabled = true;
    EXPECT_EQ(sceneOf(learner), expected);
}

INSTANTIATE_TEST_SUITE_P(Mileages, ChangeDue, testing::Values(
    DueCase{"0", "5000", "SI se va a cambiar el vesmol, 5000"},
    DueCase{"120000", "127345", "SI se va a cambiar el vesmol, 7345"},
    DueCase{"-2147483648", "-2147478648", "SI se va a cambiar el vesmol, 5000"},
    DueCase{"0", "2147483647", "SI se va a cambiar el vesmol, 2147483647"},
    DueCase{"-1", "2147483646", "SI se va a cambiar el vesmol, 2147483647"}));

TEST(ChangeDue, PressedAgainMidRunShowsThePouredBottleWithoutEnablingIt)
{
    Learner learner;
    tightenTheNut(learner);
    pourBottle(learner, 0);
    ASSERT_FALSE(learner.form.imgVesmol(0).visible()) << "the first litre was not poured";
    ASSERT_TRUE(learner.form.imgVesmol(1).enabled());
    const Scene before = sceneOf(learner);
    const std::size_t boxesBefore = learner.host.boxes().size();

    learner.key(rt::Key::Enter);

    EXPECT_EQ(boxesSince(learner, boxesBefore), (std::vector<std::string>{"SI se va a cambiar el vesmol, 5000", kDueBoxes[0], kDueBoxes[1]}));
    Scene expected = before;
    expected["imgVesmol(0)"].visible = true;  // back in view, still disabled
    expected["Txtmensaje"].text = kOpenTheHood;
    EXPECT_EQ(sceneOf(learner), expected);
}

// ---------------------------------------------------------------------------------------------
// Mileages that cannot be used: one box naming the first one at fault, the cursor put there. Which
// texts are whole numbers is the conversion's own table; here, which box is blamed and with what.

const char* const kPreviousNotWhole = "El Km Anterior debe ser un número entero.";
const char* const kCurrentNotWhole = "El Km Actual debe ser un número entero.";
const char* const kOutOfRange = "El kilometraje está fuera del rango permitido.";

struct RefusedCase {
    const char* previous;
    const char* current;
    const char* box;
    const char* atFault;
};

void PrintTo(const RefusedCase& c, std::ostream* os) { *os << '"' << c.previous << "\" / \"" << c.current << '"'; }

class MileageRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(MileageRefused, NamesTheBoxAtFaultSelectsItsTextAndChangesNothing)
{
    Learner learner;
    learner.startProgram();
    enterMileages(learner, GetParam().previous, GetParam().current);
    const Scene before = sceneOf(learner);
    const std::size_t boxesBefore = learner.host.boxes().size();

    learner.click("cmdSimular");  // the focus leaves the mileage boxes for the button

    ASSERT_EQ(learner.host.boxes().size(), boxesBefore + 1);
    const ScriptedHost::Box& box = learner.host.boxes().back();
    EXPECT_EQ(box.prompt, GetParam().box);
    EXPECT_EQ(box.title, "vesmol");
    EXPECT_EQ(box.buttons, rt::vbOKOnly);
    const rt::Control& atFault = learner.control(GetParam().atFault);
    EXPECT_EQ(learner.form.focused(), &atFault);
    EXPECT_EQ(learner.host.lastFocused(), &atFault);
    EXPECT_EQ(learner.host.lastSelected(), &atFault);
    EXPECT_EQ(sceneOf(learner), before);
    EXPECT_TRUE(learner.host.refreshes().empty());
    EXPECT_FALSE(learner.host.ended());
}

INSTANTIATE_TEST_SUITE_P(Mileages, MileageRefused, testing::Values(
    RefusedCase{"", "5000", kPreviousNotWhole, "txtAnterior"},
    RefusedCase{"0", "", kCurrentNotWhole, "txtActual"},
    RefusedCase{"abc", "xyz", kPreviousNotWhole, "txtAnterior"},
    RefusedCase{"abc", "2147483648", kPreviousNotWhole, "txtAnterior"},
    RefusedCase{"2147483648", "abc", kOutOfRange, "txtAnterior"},
    RefusedCase{"2147483648", "0", kOutOfRange, "txtAnterior"},
    RefusedCase{"0", "2147483648", kOutOfRange, "txtActual"},
    RefusedCase{"-2147483648", "2147483647", kOutOfRange, "txtActual"},
    RefusedCase{"1", "-2147483648", kOutOfRange, "txtActual"},
    RefusedCase{"-1", "2147483647", kOutOfRange, "txtActual"}));

TEST(MileageRefused, TypingOverTheSelectedTextAndPressingAgainStartsTheChange)
{
    Learner learner;
    learner.startProgram();
    enterMileages(learner, "0", "5.000");
    learner.key(rt::Key::Enter);
    ASSERT_EQ(learner.host.boxTexts().back(), kCurrentNotWhole);

    learner.type("txtActual", "5000");  // the selected text is replaced
    learner.key(rt::Key::Enter);

    EXPECT_EQ(learner.host.boxTexts().back(), kDueBoxes[1]);
    EXPECT_TRUE(learner.form.Imgtapon.enabled());
}

} // namespace
