// The drain nut taken off with the handle and the socket, and the drain started in storage box 2.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// Passes everything on to the scripted host, noting each change of the bar's Active and Visible in
// the order it happens, which no look between two events can tell.
class BarWatch : public rt::Host {
public:
    explicit BarWatch(Learner& learner)
        : learner_(learner)
    {
    }
    BarWatch(const BarWatch&) = delete;
    BarWatch& operator=(const BarWatch&) = delete;

    Texts changes;

    int showMessageBox(const rt::MessageBox& box) override { return learner_.host.showMessageBox(box); }
    void controlChanged(const rt::Control& control) override
    {
        const rt::ProgressBar& bar = learner_.form.pbravance;
        if (&control == &bar) {
            if (bar.active() != active_)
                changes.push_back(std::string("Active ") + (bar.active() ? "true" : "false"));
            if (bar.visible() != visible_)
                changes.push_back(std::string("Visible ") + (bar.visible() ? "true" : "false"));
            active_ = bar.active();
            visible_ = bar.visible();
        }
        learner_.host.controlChanged(control);
    }
    void refreshNow(const rt::Control& control) override { learner_.host.refreshNow(control); }
    void startTimer(const rt::Timer& timer) override { learner_.host.startTimer(timer); }
    void stopTimer(const rt::Timer& timer) override { learner_.host.stopTimer(timer); }
    void focusChanged(const rt::Control& control) override { learner_.host.focusChanged(control); }
    void textSelected(const rt::Control& textBox) override { learner_.host.textSelected(textBox); }
    void dragChanged(const std::optional<rt::Rect>& outline) override { learner_.host.dragChanged(outline); }
    void end() override { learner_.host.end(); }
    void fail(const std::string& fault) override { learner_.host.fail(fault); }

private:
    Learner& learner_;
    bool active_ = learner_.form.pbravance.active();
    bool visible_ = learner_.form.pbravance.visible();
    HostLent lent_{learner_.form, learner_.host, *this};
};

TEST(DrainStart, TheDrainRunsBehindItsBoxAndTheBarShowsOnlyOnceItCloses)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    BarWatch watch(learner);
    Scene expected = sceneOf(learner);
    Scene behindTheBox;
    int counterBehindTheBox = -1;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        behindTheBox = sceneOf(learner);
        counterBehindTheBox = form.Intcontador;
        EXPECT_TRUE(watch.changes.empty());
    }});
    const std::size_t before = learner.host.boxes().size();
    learner.drag("Imgpuesto1", "Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), Texts{kWaitForThePail});
    expected["Picguardar2"].picture = form.Imgtuerca.picture().key();
    expected["Picguardar3"].visible = true;  // still disabled: only putting the nut back lets it be dragged
    expected["Picguardar3"].picture = form.Imgpuesto.picture().key();
    expected["Tmrvesmol"].enabled = expected["Tmrvesmol"].running = true;
    EXPECT_EQ(behindTheBox, expected);
    EXPECT_EQ(counterBehindTheBox, 0);
    expected["Imgpuesto1"].visible = false;
    expected["Picguardar2"].enabled = false;
    expected["pbravance"].visible = true;
    EXPECT_EQ(sceneOf(learner), expected);
    EXPECT_EQ(watch.changes, (Texts{"Active true", "Visible true"}));
}

TEST(DrainStart, ItsBoxClosedEarlyShowsTheBarPartlyFilledAndGoingOn)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    learner.host.answerNext({.advanceWhileOpen = 1000});
    learner.drag("Imgpuesto1", "Picguardar2");

    EXPECT_TRUE(form.pbravance.visible());
    EXPECT_EQ(form.pbravance.value(), 20.0f);
    learner.advance(50);
    EXPECT_EQ(form.pbravance.value(), 21.0f);
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
}

// The finish's own effects are the drain finish's test; here, how they meet the start's.
TEST(DrainStart, ItsBoxLeftOpenPastTheEndGetsTheFinishOnTopAndTheBarComesBackFull)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.host.answerNext({.advanceWhileOpen = 6000});
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        EXPECT_EQ(learner.host.openBoxes(), 2);
        EXPECT_TRUE(learner.visible("Imgpuesto1"));  // the start's own steps wait for its box
    }});
    learner.drag("Imgpuesto1", "Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), (Texts{kWaitForThePail, kDrained}));
    EXPECT_TRUE(form.pbravance.visible());
    EXPECT_TRUE(form.pbravance.active());
    EXPECT_EQ(form.pbravance.value(), 100.0f);
    EXPECT_FALSE(learner.visible("Imgpuesto1"));
    learner.advance(10'000);
    EXPECT_TRUE(form.pbravance.visible());  // only the next finish hides it
    EXPECT_EQ(boxesSince(learner, before).size(), 2u);
}

TEST(DrainFinish, OnTheHundredAndFirstTickThePailTurnsFullBeforeItsBoxAndTheWrenchComesAfter)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    BarWatch watch(learner);
    learner.drag("Imgpuesto1", "Picguardar2");
    // Nothing in the scene ever disables the old filter: disabled here so its enabling can be seen.
    form.Imgfiltro_viejo1.setEnabled(false);
    learner.advance(kDrainMs - 50);
    Scene expected = sceneOf(learner);
    Scene behindTheBox;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) { behindTheBox = sceneOf(learner); }});
    const std::size_t before = learner.host.boxes().size();
    learner.advance(50);

    EXPECT_EQ(boxesSince(learner, before), Texts{kDrained});
    expected["Picmuestra"].picture = form.Imgbotelleno.picture().key();
    expected["Tmrvesmol"].enabled = expected["Tmrvesmol"].running = false;
    expected["Txtmensaje"].text = kTakeTheOldFilterOff;
    EXPECT_EQ(behindTheBox, expected);
    expected["Imgquitafiltro"].visible = true;
    expected["Imgfiltro_viejo1"].enabled = true;
    expected["pbravance"].visible = false;
    EXPECT_EQ(sceneOf(learner), expected);
    EXPECT_EQ(watch.changes, (Texts{"Active true", "Visible true", "Visible false", "Active false"}));
}

TEST(DrainStart, ADropOnBoxTwoBeforeTheNutIsOffStartsTheDrainAllTheSame)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    learner.drag("imgbasura", "Picguardar2");

    EXPECT_EQ(learner.host.boxTexts().back(), kWaitForThePail);
    EXPECT_EQ(form.Picguardar2.picture(), form.Imgtuerca.picture());
    EXPECT_TRUE(learner.visible("Picguardar3"));
    EXPECT_EQ(form.Picguardar3.picture(), form.Imgpuesto.picture());
    EXPECT_TRUE(learner.visible("Imgtuerca"));
    EXPECT_TRUE(learner.visible("imgManeral"));
    EXPECT_TRUE(learner.visible("imgDadotrescuartos"));
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
}

// The socket and the drain nut take any drop, in turn or not: only what the target's step names
// changes, and no box opens.
struct ToolDrop {
    const char* what;
    const char* source;
    const char* target;
    bool toolAssembled;  // the handle dropped on the socket first
};

void PrintTo(const ToolDrop& d, std::ostream* os) { *os << d.what; }

class ToolDrops : public testing::TestWithParam<ToolDrop> {};

TEST_P(ToolDrops, ChangeOnlyWhatTheTargetsStepNames)
{
    const ToolDrop& d = GetParam();
    Learner learner;
    placeThePail(learner);
    if (d.toolAssembled)
        learner.drag("imgManeral", "imgDadotrescuartos");
    Scene expected = sceneOf(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.drag(d.source, d.target);

    if (std::string(d.target) == "imgDadotrescuartos") {
        expected["imgDadotrescuartos"].visible = false;
        expected["imgManeral"].visible = false;
        expected["Imgpuesto"].visible = true;
        expected["Imgpuesto1"].enabled = true;
    } else {
        expected["Imgtuerca"].visible = false;
        expected["Imgpuesto1"].visible = true;  // enabled only if the tool was assembled
        expected["Imgpuesto"].visible = false;
    }
    EXPECT_EQ(sceneOf(learner), expected);
    EXPECT_TRUE(boxesSince(learner, before).empty());
}

INSTANTIATE_TEST_SUITE_P(Drops, ToolDrops, testing::Values(
    ToolDrop{"the handle on the socket", "imgManeral", "imgDadotrescuartos", false},
    ToolDrop{"the socket on itself", "imgDadotrescuartos", "imgDadotrescuartos", false},
    ToolDrop{"the bin on the socket", "imgbasura", "imgDadotrescuartos", false},
    ToolDrop{"the tool on the nut", "Imgpuesto", "Imgtuerca", true},
    ToolDrop{"the handle on the nut", "imgManeral", "Imgtuerca", false},
    ToolDrop{"the socket on the nut", "imgDadotrescuartos", "Imgtuerca", false},
    ToolDrop{"the bin on the nut", "imgbasura", "Imgtuerca", false}));

TEST(DrainStart, TheNutTakenOffBeforeTheToolIsAssembledGoesToBoxTwoOnlyOnceItIs)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    learner.drag("imgbasura", "Imgtuerca");

    // Still disabled, the tool holding the nut cannot be carried to box 2.
    const std::size_t before = learner.host.boxes().size();
    learner.drag("Imgpuesto1", "Picguardar2");
    EXPECT_TRUE(boxesSince(learner, before).empty());
    EXPECT_FALSE(learner.host.running(form.Tmrvesmol));

    learner.drag("imgManeral", "imgDadotrescuartos");
    learner.drag("Imgpuesto1", "Picguardar2");
    EXPECT_EQ(boxesSince(learner, before), Texts{kWaitForThePail});
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
    learner.advance(kDrainMs);
    EXPECT_TRUE(learner.visible("Imgpuesto"));  // the step that hides it has come and gone
}

TEST(HandleDragOver, ADragOverTheHandleOrTheSocketChangesNothing)
{
    Learner learner;
    placeThePail(learner);
    const Texts start = flagsAndLine(learner);
    const std::size_t before = learner.host.boxes().size();
    rt::Form& form = learner.form;

    // The handle's own drag passes over itself and the socket and ends on the truck.
    form.pointerPress(learner.spotOf("imgManeral"));
    form.pointerMove(learner.spotOf("imgDadotrescuartos"));
    form.pointerRelease(learner.spotOf("Imgcamion"));
    EXPECT_EQ(flagsAndLine(learner), start);

    form.pointerPress(learner.spotOf("imgbasura"));
    form.pointerMove(learner.spotOf("imgManeral"));
    form.pointerMove(learner.spotOf("imgDadotrescuartos"));
    form.pointerRelease(learner.spotOf("Imgcamion"));
    EXPECT_EQ(flagsAndLine(learner), start);
    EXPECT_TRUE(boxesSince(learner, before).empty());
}

} // namespace
