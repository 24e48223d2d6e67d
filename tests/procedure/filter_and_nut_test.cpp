// The old filter taken off and thrown away, the new one mounted, the drain nut put back and tightened.

#include "support/chain_steps.h"
#include "support/learner.h"
#include "support/scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

const char* const kNewFilter = "Coloca el filtro nuevo en su lugar dado doble click";
const char* const kNutBackLine = "Coloca la tueca de nuevo en su lugar dado doble click en el lugar que se enc ra";
const char* const kTighten = "Aprieta la tuerca con el dado y el maneral";
const char* const kTakePail = "Quita el bote dando doble click en el bote lleno";

// A drag that passes over the nut and is let go where it entered it, without a drop anywhere else.
void dragOverTheNut(Learner& learner, const char* source)
{
    const rt::Point nut = learner.spotOf("Imgtuerca2");
    learner.form.pointerPress(learner.spotOf(source));
    learner.form.pointerMove(nut);
    learner.form.pointerMove({nut.x + 15, nut.y});
    learner.form.pointerRelease(nut);
}

void expectAnOkBoxWithTheTitle(const ScriptedHost::Box& box)
{
    EXPECT_EQ(box.title, "vesmol");
    EXPECT_EQ(box.buttons, rt::vbOKOnly);
}

TEST(FilterChange, TheWrenchTakesTheOldFilterOffWithoutAWord)
{
    Learner learner;
    reachTheFilterChange(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.drag("Imgquitafiltro", "Imgfiltro_viejo1");

    EXPECT_FALSE(learner.visible("Imgfiltro_viejo1"));
    EXPECT_TRUE(learner.visible("imgfiltroviejo2"));
    EXPECT_FALSE(learner.visible("Imgquitafiltro"));
    EXPECT_EQ(learner.text("Txtmensaje"), kTakeTheOldFilterOff);
    EXPECT_TRUE(boxesSince(learner, before).empty());
}

TEST(FilterChange, TheRemovedFilterInTheBinBringsOutTheNewOneBeforeItsBox)
{
    Learner learner;
    reachTheFilterChange(learner);
    learner.drag("Imgquitafiltro", "Imgfiltro_viejo1");
    const std::size_t before = learner.host.boxes().size();
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box& box) {
        expectAnOkBoxWithTheTitle(box);
        EXPECT_FALSE(learner.visible("imgfiltroviejo2"));
        EXPECT_TRUE(learner.visible("imgFiltro_nuevo"));
        EXPECT_EQ(learner.text("Txtmensaje"), kNewFilter);
    }});
    learner.drag("imgfiltroviejo2", "imgbasura");

    EXPECT_EQ(boxesSince(learner, before), Texts{kNewFilter});
    EXPECT_FALSE(learner.enabled("Picguardar2"));
}

TEST(FilterChange, ADoubleClickMountsTheNewFilterAndOpensBoxTwo)
{
    Learner learner;
    reachTheFilterChange(learner);
    learner.drag("Imgquitafiltro", "Imgfiltro_viejo1");
    learner.drag("imgfiltroviejo2", "imgbasura");
    const std::size_t before = learner.host.boxes().size();
    learner.dblClick("imgFiltro_nuevo");

    EXPECT_TRUE(learner.visible("Imgfiltronuevo2"));
    EXPECT_FALSE(learner.enabled("Imgfiltronuevo2"));
    EXPECT_FALSE(learner.visible("imgFiltro_nuevo"));
    EXPECT_EQ(learner.text("Txtmensaje"), kNutBackLine);
    EXPECT_TRUE(learner.visible("Picguardar2"));
    EXPECT_TRUE(learner.enabled("Picguardar2"));
    EXPECT_TRUE(boxesSince(learner, before).empty());
}

TEST(NutRefitted, BoxTwoDoubleClickedShowsTheNutBeforeItsBoxAndFreesBoxThreeAfter)
{
    Learner learner;
    reachTheFilterChange(learner);
    changeTheFilter(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box& box) {
        expectAnOkBoxWithTheTitle(box);
        EXPECT_TRUE(learner.visible("Imgtuerca2"));
        EXPECT_TRUE(learner.visible("Picguardar2"));
        EXPECT_FALSE(learner.enabled("Picguardar3"));
    }});
    learner.dblClick("Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), Texts{kTighten});
    EXPECT_FALSE(learner.visible("Picguardar2"));
    EXPECT_TRUE(learner.visible("Picguardar3"));
    EXPECT_TRUE(learner.enabled("Picguardar3"));
    EXPECT_EQ(learner.text("Txtmensaje"), kNutBackLine);
}

class Tightening : public testing::TestWithParam<const char*> {};

TEST_P(Tightening, HappensOnceAsTheDragEntersTheNutAndEndsTheDrag)
{
    Learner learner;
    reachTheFilterChange(learner);
    changeTheFilter(learner);
    learner.dblClick("Picguardar2");
    const std::size_t before = learner.host.boxes().size();
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box& box) {
        expectAnOkBoxWithTheTitle(box);
        EXPECT_FALSE(learner.form.drag().has_value());
        EXPECT_FALSE(learner.visible("Imgtuerca2"));
        EXPECT_FALSE(learner.visible("Picguardar3"));
        EXPECT_TRUE(learner.enabled("imgVesmol", 0));
        EXPECT_FALSE(learner.enabled("Picmuestra"));
        EXPECT_FALSE(learner.visible("Imgsintapon"));
        EXPECT_FALSE(learner.enabled("Imgsintapon"));
    }});
    dragOverTheNut(learner, GetParam());

    EXPECT_EQ(boxesSince(learner, before), Texts{kTakePail});
    EXPECT_FALSE(learner.form.drag().has_value());
    EXPECT_TRUE(learner.enabled("Picmuestra"));
    EXPECT_TRUE(learner.visible("Imgsintapon"));
    EXPECT_TRUE(learner.enabled("Imgsintapon"));
    EXPECT_EQ(learner.text("Txtmensaje"), kNutBackLine);

    const Texts after = flagsAndLine(learner);
    dragOverTheNut(learner, "imgbasura");
    EXPECT_EQ(flagsAndLine(learner), after);
    EXPECT_EQ(boxesSince(learner, before), Texts{kTakePail});
}

INSTANTIATE_TEST_SUITE_P(BoxThreeOrTheBin, Tightening, testing::Values("Picguardar3", "imgbasura"));

TEST(NutRefitted, BoxTwoDroppedOnAgainBeforeTheNutIsBackRunsTheDrainAgainAndShutsIt)
{
    Learner learner;
    Form1& form = learner.form;
    reachTheFilterChange(learner);
    changeTheFilter(learner);
    const std::size_t before = learner.host.boxes().size();
    learner.drag("imgbasura", "Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), Texts{kWaitForThePail});
    EXPECT_TRUE(learner.host.running(form.Tmrvesmol));
    EXPECT_EQ(form.Intcontador, 0);
    EXPECT_FALSE(learner.enabled("Picguardar2"));
    learner.dblClick("Picguardar2");
    EXPECT_FALSE(learner.visible("Imgtuerca2"));

    learner.advance(5050);
    EXPECT_EQ(boxesSince(learner, before), (Texts{kWaitForThePail, kDrained}));
    EXPECT_FALSE(learner.enabled("Picguardar2"));
}

TEST(NutRefitted, BoxTwoDoubleClickedBeforeTheDrainPutsTheNutBackAndTheDrainCannotFollow)
{
    Learner learner;
    Form1& form = learner.form;
    placeThePail(learner);
    const rt::Point boxTwo = learner.spotOf("Picguardar2");
    const std::size_t before = learner.host.boxes().size();
    learner.dblClick("Picguardar2");

    EXPECT_EQ(boxesSince(learner, before), Texts{kTighten});
    EXPECT_TRUE(learner.visible("Imgtuerca2"));
    EXPECT_FALSE(learner.visible("Picguardar2"));
    EXPECT_TRUE(learner.enabled("Picguardar3"));
    EXPECT_FALSE(learner.visible("Picguardar3"));

    learner.dragFromTo(learner.spotOf("imgbasura"), boxTwo);
    EXPECT_FALSE(learner.host.running(form.Tmrvesmol));
    EXPECT_EQ(boxesSince(learner, before), Texts{kTighten});

    dragOverTheNut(learner, "imgbasura");
    EXPECT_EQ(boxesSince(learner, before), (Texts{kTighten, kTakePail}));
    EXPECT_FALSE(learner.visible("Imgtuerca2"));
    EXPECT_TRUE(learner.visible("Imgsintapon"));
}

TEST(FilterChange, TheCapDroppedOnTheOldFilterTakesItOffBeforeTheDrain)
{
    Learner learner;
    Form1& form = learner.form;
    openTheHoodWithTheChangeDue(learner);
    learner.advance(1000);
    learner.drag("Imgtapon", "Imgfiltro_viejo1");

    EXPECT_FALSE(learner.visible("Imgfiltro_viejo1"));
    EXPECT_TRUE(learner.visible("imgfiltroviejo2"));
    EXPECT_TRUE(learner.visible("Imgtapon"));
    EXPECT_TRUE(learner.host.running(form.Tmrparpadeo));
    learner.advance(1000);
    EXPECT_FALSE(learner.visible("Imgtapon"));  // still blinking

    learner.drag("imgfiltroviejo2", "imgbasura");
    EXPECT_EQ(learner.host.boxTexts().back(), kNewFilter);
    EXPECT_TRUE(learner.visible("imgFiltro_nuevo"));
}

TEST(FilterChange, MountedBeforeTheDrainTheNutWaitsForAFurtherChangeAfterIt)
{
    Learner learner;
    openTheHoodWithTheChangeDue(learner);
    learner.advance(1000);
    learner.drag("Imgtapon", "Imgfiltro_viejo1");
    learner.drag("imgfiltroviejo2", "imgbasura");
    learner.dblClick("imgFiltro_nuevo");
    learner.advance(2000);  // the cap, still blinking, shows again
    learner.drag("Imgtapon", "Picguardar1");
    learner.drag("imgBotevacio", "Picmuestra");
    drainThePail(learner);

    EXPECT_TRUE(learner.visible("Imgquitafiltro"));
    EXPECT_TRUE(learner.visible("Picguardar2"));
    EXPECT_FALSE(learner.enabled("Picguardar2"));
    const std::size_t before = learner.host.boxes().size();
    learner.dblClick("Picguardar2");
    EXPECT_FALSE(learner.visible("Imgtuerca2"));
    EXPECT_TRUE(boxesSince(learner, before).empty());

    // The hood closed and opened shows the old filter again for a second change.
    learner.click("Imgcamion");
    learner.click("Imgcamion");
    changeTheFilter(learner);
    learner.dblClick("Picguardar2");
    EXPECT_EQ(boxesSince(learner, before), (Texts{kNewFilter, kTighten}));
    EXPECT_TRUE(learner.visible("Imgtuerca2"));
}

TEST(WasteBin, TheRemovedFilterGoesBeforeAnyEnabledBottle)
{
    Learner learner;
    tightenTheNut(learner);
    ASSERT_TRUE(learner.enabled("imgVesmol", 0));

    learner.click("Imgcamion");
    learner.click("Imgcamion");
    learner.drag("imgbasura", "Imgfiltro_viejo1");
    learner.drag("imgfiltroviejo2", "imgbasura");

    EXPECT_EQ(learner.host.boxTexts().back(), kNewFilter);
    EXPECT_TRUE(learner.visible("imgFiltro_nuevo"));
    EXPECT_TRUE(learner.visible("imgVesmol", 0));
    EXPECT_TRUE(learner.enabled("imgVesmol", 0));
    EXPECT_FALSE(learner.enabled("imgVesmol", 1));
    EXPECT_EQ(learner.text("Txtmensaje"), kNewFilter);
}

TEST(WasteBin, WithNothingToThrowAwayADropOnItDoesNothing)
{
    Learner learner;
    reachTheFilterChange(learner);
    const std::size_t before = learner.host.boxes().size();
    Texts start = flagsAndLine(learner);
    learner.drag("imgbasura", "imgbasura");
    EXPECT_EQ(flagsAndLine(learner), start);

    changeTheFilter(learner);
    start = flagsAndLine(learner);
    learner.drag("imgbasura", "imgbasura");
    EXPECT_EQ(flagsAndLine(learner), start);
    EXPECT_EQ(boxesSince(learner, before), Texts{kNewFilter});
}

} // namespace
