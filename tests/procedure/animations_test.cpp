// The drain and the litre: one shared counter moves the bar, and the tick past its maximum finishes.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// On to the first bottle dropped on the filler opening: its litre runs in.
void startTheFirstLitre(Learner& learner)
{
    tightenTheNut(learner);
    dropBottleOnTheOpening(learner, 0);
}

// The drain again while it runs: the new filter mounted early opens box 2 to a second drop.
void startTheDrainAgain(Learner& learner)
{
    learner.drag("imgbasura", "Imgfiltro_viejo1");
    learner.drag("imgfiltroviejo2", "imgbasura");
    learner.dblClick("imgFiltro_nuevo");
    learner.drag("imgbasura", "Picguardar2");
}

struct Animation {
    const char* what;
    const char* timer;
    int interval;  // milliseconds
    const char* finishBox;
    float valueBeforeFirstTick;  // nothing resets the bar between two animations
    std::function<void(Learner&)> start;
    std::function<void(Learner&)> startAgain;
};

void PrintTo(const Animation& a, std::ostream* os) { *os << a.what; }

class AnimationTicks : public testing::TestWithParam<Animation> {
protected:
    rt::Timer& timer() { return learner.form.control<rt::Timer>(GetParam().timer); }
    bool running() { return learner.host.running(timer()); }
    void tick() { learner.advance(GetParam().interval); }

    Learner learner;
};

TEST_P(AnimationTicks, AHundredTicksWriteOneToAHundredAndTheNextFinishes)
{
    const Animation& a = GetParam();
    const rt::ProgressBar& bar = learner.form.pbravance;
    a.start(learner);
    EXPECT_EQ(bar.value(), a.valueBeforeFirstTick);
    const std::size_t before = learner.host.boxes().size();

    for (int k = 1; k <= 100; ++k) {
        tick();
        ASSERT_EQ(learner.form.Intcontador, k);
        ASSERT_EQ(bar.value(), static_cast<float>(k));
        ASSERT_TRUE(running()) << "at tick " << k;
    }
    EXPECT_TRUE(boxesSince(learner, before).empty());

    learner.host.answerNext({.whileOpen = [&](const ScriptedHost::Box&) {
        EXPECT_EQ(bar.value(), 100.0f);
        EXPECT_TRUE(bar.visible());
        EXPECT_FALSE(running());
    }});
    tick();
    EXPECT_EQ(boxesSince(learner, before), Texts{a.finishBox});
    EXPECT_EQ(learner.form.Intcontador, 101);
    EXPECT_EQ(bar.value(), 100.0f);
    EXPECT_FALSE(bar.visible());
    EXPECT_FALSE(bar.active());

    learner.advance(10'000);
    EXPECT_EQ(boxesSince(learner, before), Texts{a.finishBox});
    EXPECT_EQ(learner.form.Intcontador, 101);
}

TEST_P(AnimationTicks, StartedAgainMidwayItRunsAHundredAndOneTicksFromZero)
{
    const Animation& a = GetParam();
    a.start(learner);
    for (int k = 0; k < 40; ++k)
        tick();
    a.startAgain(learner);
    EXPECT_EQ(learner.form.Intcontador, 0);
    ASSERT_TRUE(running());
    const std::size_t before = learner.host.boxes().size();

    for (int k = 1; k <= 100; ++k)
        tick();
    EXPECT_TRUE(boxesSince(learner, before).empty());
    EXPECT_TRUE(running());
    tick();
    EXPECT_EQ(boxesSince(learner, before), Texts{a.finishBox});
    EXPECT_FALSE(running());
}

TEST_P(AnimationTicks, ACounterAtTheSixteenBitLimitEndsTheProgramInsteadOfWrapping)
{
    GetParam().start(learner);
    tick();
    learner.form.Intcontador = 32767;
    tick();
    EXPECT_TRUE(learner.host.ended());
    EXPECT_NE(learner.host.boxTexts().back().find("'6'"), std::string::npos);
    EXPECT_EQ(learner.form.pbravance.value(), 1.0f);
}

INSTANTIATE_TEST_SUITE_P(
    DrainAndLitre, AnimationTicks,
    testing::Values(Animation{"drain", "Tmrvesmol", 50, kDrained, 0.0f,
                              [](Learner& l) { startTheDrain(l); }, startTheDrainAgain},
                    Animation{"litre", "Tmrlitro", 25, kEmptyIntoTheBin, 100.0f,
                              startTheFirstLitre, [](Learner& l) { dropBottleOnTheOpening(l, 0); }}),
    [](const testing::TestParamInfo<Animation>& param) { return std::string(param.param.what); });

TEST(Animations, BothAtOnceAdvanceTheOneCounterAndEachFinishesOnce)
{
    Learner learner;
    Form1& form = learner.form;
    tightenTheNut(learner);
    // The place, enabled again for the full pail, takes the empty one: box 2 comes back for a drain.
    learner.drag("imgbasura", "Picmuestra");
    learner.drag("imgbasura", "Picguardar2");
    dropBottleOnTheOpening(learner, 0);
    ASSERT_TRUE(learner.host.running(form.Tmrvesmol));
    ASSERT_TRUE(learner.host.running(form.Tmrlitro));
    ASSERT_EQ(form.Intcontador, 0);

    std::vector<std::pair<std::string, int>> finishes;
    learner.host.onEveryBox([&](const ScriptedHost::Box& box) { finishes.emplace_back(box.prompt, form.Intcontador); });
    learner.advance(50);
    EXPECT_EQ(form.Intcontador, 3);
    EXPECT_EQ(form.pbravance.value(), 3.0f);

    learner.advance(5000);
    ASSERT_EQ(finishes.size(), 2u);
    std::sort(finishes.begin(), finishes.end(),
              [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(finishes[0].second, 101);
    EXPECT_EQ(finishes[1].second, 102);
    Texts texts{finishes[0].first, finishes[1].first};
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (Texts{kEmptyIntoTheBin, kDrained}));
    EXPECT_FALSE(learner.host.running(form.Tmrvesmol));
    EXPECT_FALSE(learner.host.running(form.Tmrlitro));
}

} // namespace
