// The drain nut taken off with the handle and the socket, and the drain started in storage box 2.

#include "support/chain_steps.h"
#include "support/learner.h"
#include "support/scene.h"

#include <gtest/gtest.h>

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
        learner_.form.attach(*this);
    }
    ~BarWatch() override { learner_.form.attach(learner_.host); }
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
    void dragChanged() override { learner_.host.dragChanged(); }
    void end() override { learner_.host.end(); }

private:
    Learner& learner_;
    bool active_ = learner_.form.pbravance.active();
    bool visible_ = learner_.form.pbravance.visible();
};

TEST(DrainStart, TheDrainRunsBehindItsBoxAndTheBarShowsOnlyOnceItCloses)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    BarWatch watch(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box& box) {
        EXPECT_EQ(box.title, "vesmol");
        EXPECT_EQ(box.buttons, rt::vbOKOnly);
        EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
        EXPECT_EQ(form.Intcontador, 0);
        EXPECT_EQ(form.Picguardar2.picture(), form.Imgtuerca.picture());
        EXPECT_TRUE(learner.visible("Picguardar3"));
        EXPECT_EQ(form.Picguardar3.picture(), form.Imgpuesto.picture());
        EXPECT_TRUE(learner.visible("Imgpuesto1"));
        EXPECT_TRUE(learner.enabled("Picguardar2"));
        EXPECT_FALSE(form.pbravance.visible());
        EXPECT_FALSE(form.pbravance.active());
        EXPECT_TRUE(watch.changes.empty());
    }});
    learner.drag("Imgpuesto1", "Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), Texts{kWaitForThePail});
    EXPECT_FALSE(learner.visible("Imgpuesto1"));
    EXPECT_TRUE(learner.visible("Picguardar2"));
    EXPECT_FALSE(learner.enabled("Picguardar2"));
    EXPECT_FALSE(learner.enabled("Picguardar3"));  // only putting the nut back lets it be dragged
    EXPECT_TRUE(form.pbravance.visible());
    EXPECT_TRUE(form.pbravance.active());
    EXPECT_EQ(watch.changes, (Texts{"Active true", "Visible true"}));
    EXPECT_EQ(learner.text("Txtmensaje"), kTakeTheNutOff);
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
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
        EXPECT_EQ(form.Picmuestra.picture(), form.Imgbotelleno.picture());
        EXPECT_FALSE(learner.host.running(form.Tmrvesmol));
        EXPECT_EQ(learner.text("Txtmensaje"), kTakeTheOldFilterOff);
        EXPECT_TRUE(learner.visible("Imgpuesto1"));  // the start's own steps wait for its box
    }});
    learner.drag("Imgpuesto1", "Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), (Texts{kWaitForThePail, kDrained}));
    EXPECT_TRUE(form.pbravance.visible());
    EXPECT_TRUE(form.pbravance.active());
    EXPECT_EQ(form.pbravance.value(), 100.0f);
    EXPECT_TRUE(learner.visible("Imgquitafiltro"));
    EXPECT_FALSE(learner.visible("Imgpuesto1"));
    EXPECT_FALSE(learner.enabled("Picguardar2"));
    learner.advance(10'000);
    EXPECT_TRUE(form.pbravance.visible());  // only the next finish hides it
    EXPECT_EQ(boxesSince(learner, before).size(), 2u);
}

TEST(DrainFinish, OnTheHundredAndFirstTickThePailTurnsFullAndTheWrenchComes)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    takeTheNutOff(learner);
    BarWatch watch(learner);
    learner.drag("Imgpuesto1", "Picguardar2");
    // Nothing in the scene ever disables the old filter: disabled here so its enabling can be seen.
    form.Imgfiltro_viejo1.setEnabled(false);
    const std::size_t before = learner.host.boxes().size();

    learner.advance(5000);
    EXPECT_TRUE(boxesSince(learner, before).empty());
    EXPECT_EQ(form.Picmuestra.picture(), form.imgBotevacio.picture());

    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box& box) {
        EXPECT_EQ(box.title, "vesmol");
        EXPECT_EQ(box.buttons, rt::vbOKOnly);
        EXPECT_EQ(form.Picmuestra.picture(), form.Imgbotelleno.picture());
        EXPECT_FALSE(learner.visible("Imgbotelleno"));
        EXPECT_FALSE(learner.host.running(form.Tmrvesmol));
        EXPECT_EQ(learner.text("Txtmensaje"), kTakeTheOldFilterOff);
        EXPECT_FALSE(learner.visible("Imgquitafiltro"));
        EXPECT_FALSE(learner.enabled("Imgfiltro_viejo1"));
        EXPECT_TRUE(form.pbravance.visible());
        EXPECT_EQ(form.pbravance.value(), 100.0f);
    }});
    learner.advance(50);

    EXPECT_EQ(boxesSince(learner, before), Texts{kDrained});
    EXPECT_TRUE(learner.visible("Imgquitafiltro"));
    EXPECT_TRUE(learner.enabled("Imgfiltro_viejo1"));
    EXPECT_FALSE(form.pbravance.visible());
    EXPECT_FALSE(form.pbravance.active());
    EXPECT_EQ(watch.changes, (Texts{"Active true", "Visible true", "Visible false", "Active false"}));
    learner.advance(10'000);
    EXPECT_EQ(boxesSince(learner, before), Texts{kDrained});
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

class SocketTakesAnyDrop : public testing::TestWithParam<const char*> {};

TEST_P(SocketTakesAnyDrop, AndTheHandleAndSocketBecomeTheTool)
{
    Learner learner;
    placeThePail(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.drag(GetParam(), "imgDadotrescuartos");

    EXPECT_FALSE(learner.visible("imgDadotrescuartos"));
    EXPECT_FALSE(learner.visible("imgManeral"));
    EXPECT_TRUE(learner.visible("Imgpuesto"));
    EXPECT_FALSE(learner.visible("Imgpuesto1"));
    EXPECT_TRUE(learner.enabled("Imgpuesto1"));
    EXPECT_TRUE(learner.visible("Imgtuerca"));
    EXPECT_TRUE(boxesSince(learner, before).empty());
}

INSTANTIATE_TEST_SUITE_P(Sources, SocketTakesAnyDrop,
                         testing::Values("imgManeral", "imgDadotrescuartos", "imgbasura"));

class NutTakesAnyDrop : public testing::TestWithParam<const char*> {};

TEST_P(NutTakesAnyDrop, EvenBeforeTheToolIsAssembled)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    learner.drag(GetParam(), "Imgtuerca");

    EXPECT_FALSE(learner.visible("Imgtuerca"));
    EXPECT_TRUE(learner.visible("Imgpuesto1"));
    EXPECT_FALSE(learner.enabled("Imgpuesto1"));
    EXPECT_FALSE(learner.visible("Imgpuesto"));

    // Still disabled, the tool holding the nut cannot be carried to box 2.
    const std::size_t before = learner.host.boxes().size();
    learner.drag("Imgpuesto1", "Picguardar2");
    EXPECT_TRUE(boxesSince(learner, before).empty());
    EXPECT_FALSE(learner.host.running(form.Tmrvesmol));

    learner.drag("imgManeral", "imgDadotrescuartos");
    learner.drag("Imgpuesto1", "Picguardar2");
    EXPECT_EQ(boxesSince(learner, before), Texts{kWaitForThePail});
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
    learner.advance(5050);
    EXPECT_TRUE(learner.visible("Imgpuesto"));  // the step that hides it has come and gone
}

INSTANTIATE_TEST_SUITE_P(Sources, NutTakesAnyDrop, testing::Values("imgManeral", "imgDadotrescuartos", "imgbasura"));

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
