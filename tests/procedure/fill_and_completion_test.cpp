// The full pail taken away, the five litres poured, the cap put back and the question for another change,
// in turn and out of turn.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

const char* const kWaitForTheLitre = "Espera 5 segundos a que se vacie el litro de vesmol";
const char* const kPutTheCapBack = "Da doble click en donde se encuentra el tapon  ";
const Texts kAfterTheFifth{"Verífica el kilometraje de cambio de vesmol si se restauro.", "Listo ahora coloca el tapon "};
const Texts kCompletion{"Listo has terminado de cambiar el vesmol", "Desea otro cambio de vesmol",
                        "Agrega los datos necesarios en el kilometraje anterior y Actual para iniciar. "};
// The first of the fifth litre's cases hands on the current mileage just as it was typed here.
const Mileages kMileages{"120000", "125250"};

class Fill : public testing::Test {
protected:
    void SetUp() override { tightenTheNut(learner, kMileages); }
    std::size_t mark() const { return learner.host.boxes().size(); }

    Learner learner;
    Form1& form = learner.form;
};

struct LitreCase {
    int bottle;
    const char* lineBefore;
    const char* lineAfter;
    Texts boxesAfter;
};

void PrintTo(const LitreCase& c, std::ostream* os) { *os << "bottle " << c.bottle; }

class EachLitre : public Fill, public testing::WithParamInterface<LitreCase> {};

TEST_P(EachLitre, WaitsForTheBoxThenRunsInThenTheEmptyBottleGoesToTheBin)
{
    const int k = GetParam().bottle;
    learner.dblClick("Picmuestra");
    for (int poured = 0; poured < k; ++poured)
        pourBottle(learner, poured);
    ASSERT_EQ(learner.text("Txtmensaje"), GetParam().lineBefore);

    bool stillOffWhileOpen = false;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        stillOffWhileOpen = !learner.host.running(form.Tmrlitro) && !form.pbravance.visible();
    }});
    std::size_t from = mark();
    dropBottleOnTheOpening(learner, k);
    EXPECT_EQ(boxesSince(learner, from), Texts{kWaitForTheLitre});
    EXPECT_TRUE(stillOffWhileOpen);
    EXPECT_TRUE(learner.host.running(form.Tmrlitro));
    EXPECT_EQ(form.Intcontador, 0);
    EXPECT_TRUE(form.pbravance.visible() && form.pbravance.active());

    // The 101st tick finishes: the emptied bottle is out before the box, the line follows it.
    learner.advance(kLitreMs - 25);
    bool finishedBehindTheBox = false;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        finishedBehindTheBox = form.Imgvesmol_vacio.reachable() && !form.Imgsintapon.enabled()
            && !learner.host.running(form.Tmrlitro) && learner.text("Txtmensaje") == GetParam().lineBefore;
    }});
    from = mark();
    learner.advance(25);
    EXPECT_EQ(boxesSince(learner, from), Texts{kEmptyIntoTheBin});
    EXPECT_TRUE(finishedBehindTheBox);
    EXPECT_EQ(learner.text("Txtmensaje"), kEmptyIntoTheBin);
    EXPECT_FALSE(form.pbravance.visible() || form.pbravance.active());

    from = mark();
    learner.drag("Imgvesmol_vacio", "imgbasura");
    EXPECT_EQ(boxesSince(learner, from), GetParam().boxesAfter);
    EXPECT_EQ(learner.text("Txtmensaje"), GetParam().lineAfter);
    EXPECT_FALSE(learner.visible("imgVesmol", k) || learner.enabled("imgVesmol", k));
    EXPECT_FALSE(learner.visible("Imgvesmol_vacio"));
    for (int later = k + 1; later < Form1::kBottles; ++later)
        EXPECT_EQ(learner.enabled("imgVesmol", later), later == k + 1) << "bottle " << later;
    const bool last = k == Form1::kBottles - 1;
    EXPECT_EQ(learner.visible("Imgsintapon"), !last);
    EXPECT_EQ(learner.enabled("Imgsintapon"), !last);
}

INSTANTIATE_TEST_SUITE_P(Litres, EachLitre, testing::Values(
    LitreCase{0, " Coloca el primer litro vesmol", "Agrega el segundo litro", {}},
    LitreCase{1, "Agrega el segundo litro", "Coloca el tercer litro", {}},
    LitreCase{2, "Coloca el tercer litro", "Coloca el cuarto litro", {}},
    LitreCase{3, "Coloca el cuarto litro", "Coloca el quinto litro", {}},
    LitreCase{4, "Coloca el quinto litro", kPutTheCapBack, kAfterTheFifth}));

class FifthLitre : public Fill, public testing::WithParamInterface<const char*> {};

TEST_P(FifthLitre, HandsTheCurrentMileageTextAsItStandsToThePreviousOne)
{
    for (int k = 0; k < Form1::kBottles - 1; ++k)
        pourBottle(learner, k);
    learner.type("txtActual", GetParam());
    dropBottleOnTheOpening(learner, 4);
    learner.advance(kLitreMs);

    bool copiedBeforeTheBoxes = false;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        copiedBeforeTheBoxes = learner.text("txtAnterior") == GetParam() && learner.text("Txtmensaje") == kPutTheCapBack;
    }});
    const std::size_t from = mark();
    learner.drag("Imgvesmol_vacio", "imgbasura");
    EXPECT_EQ(boxesSince(learner, from), kAfterTheFifth);
    EXPECT_TRUE(copiedBeforeTheBoxes);
    EXPECT_EQ(learner.text("txtAnterior"), GetParam());
    EXPECT_EQ(learner.text("txtActual"), GetParam());
}

INSTANTIATE_TEST_SUITE_P(Mileages, FifthLitre, testing::Values("125250", " 0125250", "ciento veinte mil", ""));

TEST_F(Fill, AfterTheFifthBottleDropsOnTheBinDoNothing)
{
    pourTheFiveLitres(learner);
    learner.type("txtActual", "130000");
    const Scene before = sceneOf(learner);
    const std::size_t from = mark();
    learner.drag("imgbasura", "imgbasura");
    EXPECT_TRUE(boxesSince(learner, from).empty());
    EXPECT_EQ(sceneOf(learner), before);
}

struct BinDrop {
    const char* what;
    std::function<void(Learner&)> drop;
};

void PrintTo(const BinDrop& c, std::ostream* os) { *os << c.what; }

class NothingPoured : public Fill, public testing::WithParamInterface<BinDrop> {};

TEST_P(NothingPoured, ADropOnTheBinCountsAsTheFirstLitreDone)
{
    const std::size_t from = mark();
    GetParam().drop(learner);
    EXPECT_TRUE(boxesSince(learner, from).empty());
    EXPECT_EQ(learner.text("Txtmensaje"), "Agrega el segundo litro");
    EXPECT_FALSE(learner.visible("imgVesmol", 0) || learner.enabled("imgVesmol", 0));
    EXPECT_FALSE(learner.host.running(form.Tmrlitro));

    pourBottle(learner, 1);
    EXPECT_EQ(learner.text("Txtmensaje"), "Coloca el tercer litro");
    EXPECT_TRUE(learner.enabled("imgVesmol", 2));
}

INSTANTIATE_TEST_SUITE_P(Bin, NothingPoured, testing::Values(
    BinDrop{"a full bottle", [](Learner& l) { l.dragFromTo(l.spotOf("imgVesmol", 0), l.spotOf("imgbasura")); }},
    BinDrop{"the bin itself", [](Learner& l) { l.drag("imgbasura", "imgbasura"); }}));

TEST_F(Fill, ADropOnTheBinWhileALitreRunsLeavesTheNextBottleUnpoured)
{
    dropBottleOnTheOpening(learner, 0);
    learner.advance(1000);
    learner.drag("imgbasura", "imgbasura");
    EXPECT_EQ(learner.text("Txtmensaje"), "Agrega el segundo litro");
    EXPECT_FALSE(learner.visible("imgVesmol", 0));
    EXPECT_TRUE(learner.enabled("imgVesmol", 1));

    // The litre under way still ends, and its emptied bottle is taken for the second.
    const std::size_t from = mark();
    learner.advance(kLitreMs - 1000);
    EXPECT_EQ(boxesSince(learner, from), Texts{kEmptyIntoTheBin});
    EXPECT_TRUE(learner.visible("Imgvesmol_vacio"));
    EXPECT_FALSE(learner.enabled("Imgsintapon"));
    learner.drag("Imgvesmol_vacio", "imgbasura");
    EXPECT_EQ(learner.text("Txtmensaje"), "Coloca el tercer litro");
    EXPECT_FALSE(learner.visible("imgVesmol", 1) || learner.enabled("imgVesmol", 1));
    EXPECT_TRUE(learner.enabled("imgVesmol", 2));
}

TEST_F(Fill, ASecondDropWhoseBoxOutlivesTheFirstLitreRunsTheLitreAgainFromZero)
{
    dropBottleOnTheOpening(learner, 0);
    learner.advance(2000);
    ASSERT_EQ(form.Intcontador, 80);

    // The first litre ends behind the second drop's box; the second starts from zero when it closes.
    std::size_t from = mark();
    learner.host.answerNext({.advanceWhileOpen = 1000});
    dropBottleOnTheOpening(learner, 0);
    EXPECT_EQ(boxesSince(learner, from), (Texts{kWaitForTheLitre, kEmptyIntoTheBin}));
    EXPECT_EQ(form.Intcontador, 0);
    EXPECT_TRUE(learner.host.running(form.Tmrlitro));
    EXPECT_TRUE(form.pbravance.visible() && form.pbravance.active());

    from = mark();
    learner.advance(kLitreMs - 25);
    EXPECT_EQ(mark(), from);
    learner.advance(25);
    EXPECT_EQ(boxesSince(learner, from), Texts{kEmptyIntoTheBin});
    EXPECT_FALSE(learner.host.running(form.Tmrlitro));
}

TEST_F(Fill, TheFullPailNeverTakenAwayStaysAfterTheResetAndTakesADoubleClickInTheNextRun)
{
    pourTheFiveLitres(learner);
    learner.dblClick("Picguardar1");
    EXPECT_TRUE(form.Picmuestra.reachable());
    EXPECT_TRUE(form.Picmuestra.picture().empty());

    const std::size_t from = mark();
    learner.dblClick("Picmuestra");
    EXPECT_EQ(boxesSince(learner, from), Texts{"Coloca el primer litro vesmol"});
    EXPECT_EQ(learner.text("Txtmensaje"), " Coloca el primer litro vesmol");
    EXPECT_FALSE(learner.visible("Picmuestra"));
}

TEST_F(Fill, ABlinkRunningAtTheEndOutlivesTheResetUntilTheHoodIsClosed)
{
    learner.dblClick("Picmuestra");
    pourTheFiveLitres(learner);
    learner.click("Imgcamion");  // closed
    learner.click("Imgcamion");  // open again: the blink starts anew
    learner.dblClick("Picguardar1");
    ASSERT_FALSE(learner.visible("Imgcofre"));
    ASSERT_FALSE(learner.visible("Imgtapon"));

    learner.advance(1000);
    EXPECT_TRUE(learner.visible("Imgtapon"));
    learner.form.pointerPress(learner.spotOf("Imgtapon"));
    EXPECT_FALSE(learner.form.drag().has_value());  // disabled by the reset: shown, but not to be taken
    learner.form.pointerRelease(learner.spotOf("Imgtapon"));
    learner.advance(1000);
    EXPECT_FALSE(learner.visible("Imgtapon"));
    learner.advance(1000);
    EXPECT_TRUE(learner.visible("Imgtapon"));

    learner.click("Imgcamion");
    learner.click("Imgcamion");
    learner.advance(3000);
    EXPECT_FALSE(learner.visible("Imgtapon"));
    EXPECT_FALSE(learner.host.running(form.Tmrparpadeo));
}

TEST(Completion, RightAfterStartTheCapComesBackOnTheClosedTruckAndOKGivesTheStartBack)
{
    Learner learner;
    learner.startProgram();
    const Scene start = sceneOf(learner);
    learner.type("txtAnterior", "4000");
    learner.type("txtActual", "99999");

    bool capOnTheClosedTruck = false;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        capOnTheClosedTruck = learner.visible("Imgtapon") && !learner.visible("Imgcofre") && !learner.visible("Picguardar1");
    }});
    const std::size_t from = learner.host.boxes().size();
    learner.dblClick("Picguardar1");
    EXPECT_EQ(boxesSince(learner, from), kCompletion);
    EXPECT_TRUE(capOnTheClosedTruck);
    EXPECT_EQ(sceneOf(learner), start);
}

TEST(Completion, AResetDuringTheDrainLetsTheDrainFinishOnTheResetScene)
{
    Learner learner;
    startTheDrain(learner, kMileages);
    learner.advance(1000);
    learner.dblClick("Picguardar1");
    ASSERT_TRUE(learner.form.Picmuestra.picture().empty());
    ASSERT_EQ(learner.text("Txtmensaje"), "");

    const std::size_t from = learner.host.boxes().size();
    learner.advance(kDrainMs - 1000);
    EXPECT_EQ(boxesSince(learner, from), Texts{kDrained});
    EXPECT_TRUE(learner.visible("Picmuestra"));
    EXPECT_EQ(learner.form.Picmuestra.picture(), learner.form.Imgbotelleno.picture());
    EXPECT_TRUE(learner.visible("Imgquitafiltro"));
}

struct CancelCase {
    const char* what;
    std::function<void(Learner&)> before;
};

void PrintTo(const CancelCase& c, std::ostream* os) { *os << c.what; }

class QuestionCancelled : public testing::TestWithParam<CancelCase> {};

// Esc and the question's close box come back from the box as Cancel too.
TEST_P(QuestionCancelled, EndsTheProgramWithNothingReset)
{
    Learner learner;
    GetParam().before(learner);

    Scene behindTheFirstBox;
    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) { behindTheFirstBox = sceneOf(learner); }});
    learner.host.answerNext({.result = rt::vbCancel});
    const std::size_t from = learner.host.boxes().size();
    learner.dblClick("Picguardar1");
    EXPECT_TRUE(learner.host.ended());
    ASSERT_EQ(boxesSince(learner, from), (Texts{kCompletion[0], kCompletion[1]}));

    // The cap is back and box 1 gone, as before the question; nothing after it has run.
    EXPECT_EQ(sceneOf(learner), behindTheFirstBox);
    EXPECT_TRUE(learner.visible("Imgtapon"));
    EXPECT_FALSE(learner.visible("Picguardar1"));
}

INSTANTIATE_TEST_SUITE_P(Completion, QuestionCancelled, testing::Values(
    CancelCase{"right after start", [](Learner& l) { l.startProgram(); l.type("txtAnterior", "4000"); }},
    CancelCase{"after the fifth litre", [](Learner& l) {
        tightenTheNut(l, kMileages);
        l.dblClick("Picmuestra");
        pourTheFiveLitres(l);
    }}));

} // namespace
