// The old filter taken off and thrown away, the new one mounted, the drain nut put back and tightened.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <iterator>
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

// One step in turn after the drain: what it shows, and what has changed while its first box is open
// and once every box is closed.
struct InTurn {
    const char* what;
    std::function<void(Learner&)> act;
    Texts boxes;
    std::function<void(Scene&)> behindTheBox;
    std::function<void(Scene&)> afterTheBox;
};

const InTurn kInTurn[] = {
    {"the wrench dropped on the old filter", [](Learner& l) { l.drag("Imgquitafiltro", "Imgfiltro_viejo1"); }, {},
     [](Scene&) {},
     [](Scene& s) {
         s["Imgfiltro_viejo1"].visible = false;
         s["imgfiltroviejo2"].visible = true;
         s["Imgquitafiltro"].visible = false;
     }},
    {"the removed filter thrown into the bin", [](Learner& l) { l.drag("imgfiltroviejo2", "imgbasura"); }, {kNewFilter},
     [](Scene& s) {
         s["imgfiltroviejo2"].visible = false;
         s["imgFiltro_nuevo"].visible = true;
         s["Txtmensaje"].text = kNewFilter;
     },
     [](Scene&) {}},
    {"the new filter double-clicked", [](Learner& l) { l.dblClick("imgFiltro_nuevo"); }, {}, [](Scene&) {},
     [](Scene& s) {
         s["Imgfiltronuevo2"].visible = true;
         s["Imgfiltronuevo2"].enabled = false;
         s["imgFiltro_nuevo"].visible = false;
         s["Txtmensaje"].text = kNutBackLine;
         s["Picguardar2"].enabled = true;
     }},
    {"box 2 double-clicked", [](Learner& l) { l.dblClick("Picguardar2"); }, {kTighten},
     [](Scene& s) { s["Imgtuerca2"].visible = true; },
     [](Scene& s) {
         s["Picguardar2"].visible = false;
         s["Picguardar3"].enabled = true;
     }},
    {"box 3 dragged over the refitted nut", [](Learner& l) { dragOverTheNut(l, "Picguardar3"); }, {kTakePail},
     [](Scene& s) {
         s["Imgtuerca2"].visible = false;
         s["Picguardar3"].visible = false;
         s["imgVesmol(0)"].enabled = true;
     },
     [](Scene& s) {
         s["Picmuestra"].enabled = true;
         s["Imgsintapon"].visible = s["Imgsintapon"].enabled = true;
     }},
};

class FilterAndNutInTurn : public testing::TestWithParam<std::size_t> {};

TEST_P(FilterAndNutInTurn, ChangesOnlyWhatItNamesAroundItsBox)
{
    const InTurn& step = kInTurn[GetParam()];
    Learner learner;
    reachTheFilterChange(learner);
    for (std::size_t earlier = 0; earlier < GetParam(); ++earlier)
        kInTurn[earlier].act(learner);
    Scene expected = sceneOf(learner);
    Scene behindTheBox;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) { behindTheBox = sceneOf(learner); }});
    const std::size_t before = learner.host.boxes().size();
    step.act(learner);

    EXPECT_EQ(boxesSince(learner, before), step.boxes);
    step.behindTheBox(expected);
    if (!step.boxes.empty()) {
        EXPECT_EQ(behindTheBox, expected);
    }
    step.afterTheBox(expected);
    EXPECT_EQ(sceneOf(learner), expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, FilterAndNutInTurn, testing::Range(std::size_t{0}, std::size(kInTurn)),
                         [](const testing::TestParamInfo<std::size_t>& row) {
                             std::string name = kInTurn[row.param].what;
                             std::erase_if(name, [](char c) { return std::isalnum(static_cast<unsigned char>(c)) == 0; });
                             return name;
                         });

class Tightening : public testing::TestWithParam<const char*> {};

TEST_P(Tightening, HappensOnceAsTheDragEntersTheNutAndEndsTheDrag)
{
    Learner learner;
    reachTheFilterChange(learner);
    changeTheFilter(learner);
    learner.dblClick("Picguardar2");
    const std::size_t before = learner.host.boxes().size();
    bool dragEndedBehindTheBox = false;
    learner.host.answerNext(
        {.whileOpen = [&](const ScriptedHost::Box&) { dragEndedBehindTheBox = !learner.form.drag().has_value(); }});
    dragOverTheNut(learner, GetParam());

    EXPECT_EQ(boxesSince(learner, before), Texts{kTakePail});
    EXPECT_TRUE(dragEndedBehindTheBox);
    EXPECT_FALSE(learner.form.drag().has_value());
    EXPECT_TRUE(learner.visible("Imgsintapon"));

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

    learner.advance(kDrainMs);
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
