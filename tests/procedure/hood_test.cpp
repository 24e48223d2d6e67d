// The hood opened and closed by a click on the truck, and the filler cap blinking while it is open.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kTakeTheCap = "->Quita el tapón que esta flasheando y coloca en el lugar de guardarlo";
// Each tick turns the cap over eleven times and draws it at once, twice, after every turn: the cap
// flickers within the tick and ends it the other way round.
const std::vector<std::string> kOneTickOfRefreshes(11 * 2, "Imgtapon");

TEST(Hood, OpensWithTheOldFilterAndTheInstructionAndStartsTheBlinkWithTheCapHidden)
{
    Learner learner;
    learner.startProgram();
    startTheChange(learner);
    const Scene before = sceneOf(learner);
    const std::size_t boxes = learner.host.boxes().size();

    learner.click("Imgcamion");

    Scene expected = before;
    expected["Imgcofre"].visible = true;
    expected["Imgfiltro_viejo1"].visible = true;
    expected["Txtmensaje"].text = kTakeTheCap;
    expected["Tmrparpadeo"].enabled = true;
    expected["Tmrparpadeo"].running = true;
    EXPECT_EQ(sceneOf(learner), expected);
    EXPECT_EQ(learner.host.boxes().size(), boxes);
}

TEST(Hood, EachTickOfTheBlinkTurnsTheCapOverOnceAndDrawsItTwentyTwoTimes)
{
    Learner learner;
    learner.startProgram();
    startTheChange(learner);
    learner.click("Imgcamion");

    bool shown = false;
    for (int tick = 1; tick <= 6; ++tick) {
        SCOPED_TRACE("tick " + std::to_string(tick));
        const std::size_t refreshed = learner.host.refreshes().size();
        learner.advance(999);
        EXPECT_EQ(learner.form.Imgtapon.visible(), shown) << "turned over before the second was up";
        EXPECT_EQ(learner.host.refreshes().size(), refreshed);

        learner.advance(1);
        shown = !shown;
        EXPECT_EQ(learner.form.Imgtapon.visible(), shown);
        EXPECT_EQ(learner.form.Intciclo, 22);
        EXPECT_EQ(refreshesSince(learner, refreshed), kOneTickOfRefreshes);
    }
}

// Closing the hood at any moment of the blink.
struct CloseCase {
    const char* what;
    int openFor;  // milliseconds between opening and closing
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.what; }

class HoodClosed : public testing::TestWithParam<CloseCase> {};

TEST_P(HoodClosed, HidesTheHoodFiltersAndCapAndStopsTheBlink)
{
    Learner learner;
    learner.startProgram();
    startTheChange(learner);
    const Scene beforeOpening = sceneOf(learner);

    learner.click("Imgcamion");
    learner.advance(GetParam().openFor);
    learner.click("Imgcamion");

    // All that opening did is undone, but for the instruction line.
    Scene expected = beforeOpening;
    expected["Txtmensaje"].text = kTakeTheCap;
    EXPECT_EQ(sceneOf(learner), expected);

    const std::size_t refreshed = learner.host.refreshes().size();
    learner.advance(5000);
    EXPECT_FALSE(learner.form.Imgtapon.visible());
    EXPECT_EQ(learner.host.refreshes().size(), refreshed);
}

INSTANTIATE_TEST_SUITE_P(Moments, HoodClosed, testing::Values(
    CloseCase{"right after opening", 0},
    CloseCase{"while the cap is shown", 1000},
    CloseCase{"while the cap is hidden again", 2000},
    CloseCase{"just before a tick", 2999}));

TEST(Hood, ClosingLeavesTheRemovedFilterAndReopeningShowsTheOldFilterNotTheNewOne)
{
    Learner learner;
    learner.startProgram();
    startTheChange(learner);
    learner.click("Imgcamion");
    learner.drag("imgbasura", "Imgfiltro_viejo1");  // the old filter takes drops from the first opening
    ASSERT_TRUE(learner.form.imgfiltroviejo2.visible());

    learner.click("Imgcamion");
    EXPECT_TRUE(learner.form.imgfiltroviejo2.visible());
    EXPECT_FALSE(learner.form.Imgcofre.visible());

    learner.click("Imgcamion");
    EXPECT_TRUE(learner.form.Imgfiltro_viejo1.visible());

    learner.drag("imgfiltroviejo2", "imgbasura");
    learner.dblClick("imgFiltro_nuevo");
    ASSERT_TRUE(learner.form.Imgfiltronuevo2.visible());

    learner.click("Imgcamion");
    EXPECT_FALSE(learner.form.Imgfiltronuevo2.visible());
    EXPECT_FALSE(learner.form.Imgfiltro_viejo1.visible());

    learner.click("Imgcamion");
    EXPECT_TRUE(learner.form.Imgfiltro_viejo1.visible());
    EXPECT_FALSE(learner.form.Imgfiltronuevo2.visible());
}

TEST(Hood, OpenedBeforeTheMileageCheckTheCapBlinksButCannotBeTaken)
{
    Learner learner;
    learner.startProgram();
    learner.click("Imgcamion");
    learner.advance(1000);
    ASSERT_TRUE(learner.form.Imgtapon.visible());

    learner.drag("Imgtapon", "Picguardar1");

    EXPECT_TRUE(learner.form.Picguardar1.picture().empty());
    EXPECT_FALSE(learner.form.imgBotevacio.visible());
    EXPECT_TRUE(learner.host.running(learner.form.Tmrparpadeo));
    learner.advance(1000);
    EXPECT_FALSE(learner.form.Imgtapon.visible());
}

TEST(Hood, OpenedBeforeSimularTheBlinkGoesOnBehindItsBoxes)
{
    Learner learner;
    learner.startProgram();
    learner.click("Imgcamion");
    std::vector<bool> capShownAsBoxOpens;
    learner.host.onEveryBox([&](const ScriptedHost::Box&) { capShownAsBoxOpens.push_back(learner.form.Imgtapon.visible()); });
    for (int box = 0; box < 3; ++box)
        learner.host.answerNext({.advanceWhileOpen = 1000});
    const std::size_t refreshed = learner.host.refreshes().size();

    startTheChange(learner);

    EXPECT_EQ(capShownAsBoxOpens, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(learner.host.now(), 3000);
    EXPECT_TRUE(learner.form.Imgtapon.visible());
    EXPECT_EQ(learner.form.Intciclo, 22);
    EXPECT_EQ(refreshesSince(learner, refreshed).size(), 5u + 3u * kOneTickOfRefreshes.size());  // five bottles, three ticks

    // Now enabled and shown, the cap is taken to its storage box.
    learner.drag("Imgtapon", "Picguardar1");
    EXPECT_EQ(learner.form.Picguardar1.picture(), learner.form.Imgtapon.picture());
}

TEST(Hood, TheCapCanBeTakenOnlyWhileItIsShown)
{
    Learner learner;
    learner.startProgram();
    startTheChange(learner);
    learner.click("Imgcamion");
    const rt::Point cap = learner.form.Imgtapon.rect().centre();
    const rt::Point storage = learner.spotOf("Picguardar1");

    learner.dragFromTo(cap, storage);  // before the first tick the hood view is under the pointer
    EXPECT_TRUE(learner.form.Picguardar1.picture().empty());
    EXPECT_FALSE(learner.form.imgBotevacio.visible());

    learner.advance(2000);  // shown, then hidden again
    learner.dragFromTo(cap, storage);
    EXPECT_TRUE(learner.form.Picguardar1.picture().empty());

    learner.advance(1000);
    learner.dragFromTo(cap, storage);
    EXPECT_EQ(learner.form.Picguardar1.picture(), learner.form.Imgtapon.picture());
    EXPECT_TRUE(learner.form.imgBotevacio.visible());
}

} // namespace
