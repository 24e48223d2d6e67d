// The filler cap taken to storage box 1, and the empty pail placed under the truck.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

const char* const kPlaceThePail = "Coloca el bote vacio abajo del trailer";
const char* const kPailBox = "quita la tuerca con el maneral y el dado ";

// ---------------------------------------------------------------------------------------------
// The cap stored.

TEST(CapStored, AllSixEffectsComeTogetherWithoutABox)
{
    Learner learner;
    openTheHoodWithTheChangeDue(learner);
    learner.advance(1000);
    const Scene before = sceneOf(learner);
    const std::size_t boxes = learner.host.boxes().size();

    learner.drag("Imgtapon", "Picguardar1");

    Scene expected = before;
    expected["Tmrparpadeo"].enabled = false;
    expected["Tmrparpadeo"].running = false;
    expected["Picguardar1"].picture = learner.form.Imgtapon.picture().key();
    expected["Txtmensaje"].text = kPlaceThePail;
    expected["imgBotevacio"].visible = true;
    expected["Picmuestra"].visible = true;
    expected["Imgtapon"].visible = false;
    EXPECT_EQ(sceneOf(learner), expected);
    EXPECT_EQ(learner.host.boxes().size(), boxes);
    EXPECT_FALSE(learner.form.Imgtapon.picture().empty());
}

// Whatever is dropped on storage box 1, at whatever phase of the blink.
struct StoreCase {
    const char* what;
    const char* source;
    int pressAfter;  // milliseconds after the hood opened
    int heldFor;     // milliseconds between press and release
};

void PrintTo(const StoreCase& c, std::ostream* os) { *os << c.what; }

class CapStoredMidBlink : public testing::TestWithParam<StoreCase> {};

TEST_P(CapStoredMidBlink, StopsTheBlinkWithTheCapHidden)
{
    Learner learner;
    openTheHoodWithTheChangeDue(learner);
    learner.advance(GetParam().pressAfter);
    const rt::Point storage = learner.spotOf("Picguardar1");

    learner.form.pointerPress(learner.spotOf(GetParam().source));
    learner.form.pointerMove(storage);
    learner.advance(GetParam().heldFor);
    learner.form.pointerRelease(storage);

    EXPECT_EQ(learner.form.Picguardar1.picture(), learner.form.Imgtapon.picture());
    EXPECT_FALSE(learner.host.running(learner.form.Tmrparpadeo));
    EXPECT_FALSE(learner.form.Imgtapon.visible());
    EXPECT_TRUE(learner.form.imgBotevacio.visible());
    EXPECT_TRUE(learner.form.Picmuestra.visible());
    learner.advance(5000);
    EXPECT_FALSE(learner.form.Imgtapon.visible());
}

INSTANTIATE_TEST_SUITE_P(Phases, CapStoredMidBlink, testing::Values(
    StoreCase{"the cap, shown at the third tick", "Imgtapon", 3000, 500},
    StoreCase{"the cap, hidden by a tick while it is dragged", "Imgtapon", 1000, 1000},
    StoreCase{"the bin, while the cap is shown", "imgbasura", 1000, 0},
    StoreCase{"the bin, while the cap is hidden", "imgbasura", 2000, 0}));

TEST(CapStored, TheBinDroppedBeforeSimularBringsOutThePailAndItsPlace)
{
    Learner learner;
    learner.startProgram();
    const std::size_t boxes = learner.host.boxes().size();

    learner.drag("imgbasura", "Picguardar1");

    EXPECT_EQ(learner.form.Picguardar1.picture(), learner.form.Imgtapon.picture());
    EXPECT_EQ(learner.text("Txtmensaje"), kPlaceThePail);
    EXPECT_TRUE(learner.form.imgBotevacio.visible());
    EXPECT_TRUE(learner.form.Picmuestra.visible());
    EXPECT_FALSE(learner.form.Imgtapon.visible());
    EXPECT_FALSE(learner.form.Imgtapon.enabled());
    EXPECT_EQ(learner.host.boxes().size(), boxes);

    learner.drag("imgBotevacio", "Picmuestra");
    EXPECT_EQ(learner.host.boxTexts().back(), kPailBox);
}

// ---------------------------------------------------------------------------------------------
// The pail placed.

// What stands on screen while the pail's box is open.
struct BehindThePailBox {
    bool placeShowsThePail = false;
    std::string line;
    bool pailStillShown = false;
    bool pailInItsPlace = false;
    bool placeEnabled = false;
    bool nutHandleSocketOrBoxShown = false;
    bool handleEnabled = false;
    friend bool operator==(const BehindThePailBox&, const BehindThePailBox&) = default;
};

std::ostream& operator<<(std::ostream& os, const BehindThePailBox& b)
{
    return os << "place shows the pail " << b.placeShowsThePail << ", line \"" << b.line << "\", pail shown "
              << b.pailStillShown << ", pail in its place " << b.pailInItsPlace << ", place enabled " << b.placeEnabled
              << ", nut/handle/socket/box 2 shown " << b.nutHandleSocketOrBoxShown << ", handle enabled " << b.handleEnabled;
}

TEST(PailPlaced, ItsBoxOpensOverThePlacedPailThenTheToolsAppear)
{
    Learner learner;
    openTheHoodWithTheChangeDue(learner);
    learner.advance(1000);
    learner.drag("Imgtapon", "Picguardar1");
    const Scene before = sceneOf(learner);
    const rt::Rect pailAtStart = learner.form.imgBotevacio.rect();

    std::vector<BehindThePailBox> behind;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        const Form1& f = learner.form;
        behind.push_back({f.Picmuestra.picture() == f.imgBotevacio.picture(), f.Txtmensaje.text(), f.imgBotevacio.visible(),
                          f.imgBotevacio.rect() == pailAtStart && learner.canBeHit("imgBotevacio"), f.Picmuestra.enabled(),
                          f.Imgtuerca.visible() || f.imgManeral.visible() || f.imgDadotrescuartos.visible() || f.Picguardar2.visible(),
                          f.imgManeral.enabled()});
    }});

    const std::size_t boxes = learner.host.boxes().size();
    learner.drag("imgBotevacio", "Picmuestra");

    EXPECT_EQ(boxesSince(learner, boxes), std::vector<std::string>{kPailBox});
    EXPECT_EQ(behind, (std::vector<BehindThePailBox>{{true, kTakeTheNutOff, true, true, true, false, false}}));

    Scene expected = before;
    expected["Picmuestra"].picture = learner.form.imgBotevacio.picture().key();
    expected["Picmuestra"].enabled = false;
    expected["Txtmensaje"].text = kTakeTheNutOff;
    expected["Imgtuerca"].visible = true;
    expected["imgManeral"].visible = true;
    expected["imgManeral"].enabled = true;
    expected["imgDadotrescuartos"].visible = true;
    expected["Picguardar2"].visible = true;
    expected["imgBotevacio"].visible = false;
    EXPECT_EQ(sceneOf(learner), expected);
    for (const char* ready : {"Imgtuerca", "imgManeral", "imgDadotrescuartos", "Picguardar2"})
        EXPECT_TRUE(learner.canBeHit(ready) && learner.enabled(ready)) << ready << " is not ready for the drain nut";
}

// Once the pail is placed, its place takes no further drop.
struct LateDropCase {
    const char* what;
    std::function<void(Learner&)> beforeDrop;
    const char* source;
};

void PrintTo(const LateDropCase& c, std::ostream* os) { *os << c.what; }

class PlaceAfterThePail : public testing::TestWithParam<LateDropCase> {};

TEST_P(PlaceAfterThePail, TakesNoDrop)
{
    Learner learner;
    placeThePail(learner);
    GetParam().beforeDrop(learner);
    const Scene before = sceneOf(learner);
    const std::size_t boxes = learner.host.boxes().size();

    learner.drag(GetParam().source, "Picmuestra");

    EXPECT_EQ(sceneOf(learner), before);
    EXPECT_EQ(learner.host.boxes().size(), boxes);
}

INSTANTIATE_TEST_SUITE_P(Drops, PlaceAfterThePail, testing::Values(
    LateDropCase{"the bin, right after", [](Learner&) {}, "imgbasura"},
    LateDropCase{"the pail, brought out again by storing the cap again",
                 [](Learner& l) {
                     l.click("Imgcamion");
                     l.click("Imgcamion");
                     l.advance(1000);
                     l.drag("Imgtapon", "Picguardar1");
                 },
                 "imgBotevacio"}));

TEST(CapStored, AgainAfterReopeningTheHoodRepeatsAllSixEffects)
{
    Learner learner;
    placeThePail(learner);

    learner.click("Imgcamion");  // closed
    learner.click("Imgcamion");  // opened again: the stored cap, still enabled, blinks once more
    EXPECT_TRUE(learner.host.running(learner.form.Tmrparpadeo));
    learner.advance(1000);
    ASSERT_TRUE(learner.form.Imgtapon.visible());
    const Scene before = sceneOf(learner);

    learner.drag("Imgtapon", "Picguardar1");

    Scene expected = before;
    expected["Tmrparpadeo"].enabled = false;
    expected["Tmrparpadeo"].running = false;
    expected["Txtmensaje"].text = kPlaceThePail;
    expected["imgBotevacio"].visible = true;
    expected["Imgtapon"].visible = false;
    EXPECT_EQ(sceneOf(learner), expected);  // the place stays shown, disabled, with the empty pail
    EXPECT_FALSE(learner.form.Picmuestra.enabled());
}

} // namespace
