// Start-up and the ways out.

#include "tests/support/learner.h"

#include "procedure/procedures.h"

#include <gtest/gtest.h>

namespace {

TEST(StartUp, ShowsThreeBoxesInOrderWithTheApplicationTitle)
{
    Learner learner;
    std::vector<bool> windowStateUnchanged;
    learner.host.onEveryBox([&](const ScriptedHost::Box&) {
        windowStateUnchanged.push_back(learner.text("Txtmensaje").empty() && !learner.form.Imgcofre.visible());
    });
    learner.startProgram();
    EXPECT_EQ(learner.host.boxTexts(),
              (std::vector<std::string>{creditsText(), "Este programa permite simular el cambio de vesmol ",
                                        "Agrega los datos necesarios en el kilometraje anterior y en actual que se encuentra debajo del Trailer. "}));
    for (const ScriptedHost::Box& box : learner.host.boxes()) {
        EXPECT_EQ(box.title, "vesmol");
        EXPECT_EQ(box.buttons, rt::vbOKOnly);
    }
    EXPECT_EQ(windowStateUnchanged, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(learner.host.ended());
}

TEST(StartUp, TheCreditsAreSevenLinesJoinedByCarriageReturnAndLineFeed)
{
    const std::string credits = creditsText();
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t at = credits.find("\r\n"); at != std::string::npos; at = credits.find("\r\n", from)) {
        lines.push_back(credits.substr(from, at - from));
        from = at + 2;
    }
    lines.push_back(credits.substr(from));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0].back(), ' ');
    EXPECT_EQ(lines[1].back(), ':');
    for (std::size_t i = 2; i < lines.size(); ++i) {
        EXPECT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
    }
}

struct ExitCase {
    const char* what;
    std::function<void(Learner&)> act;
};

void PrintTo(const ExitCase& c, std::ostream* os) { *os << c.what; }

class WaysOut : public testing::TestWithParam<ExitCase> {};

TEST_P(WaysOut, EndTheProgramAtOnce)
{
    Learner learner;
    learner.startProgram();
    GetParam().act(learner);
    EXPECT_TRUE(learner.host.ended());
    EXPECT_EQ(learner.host.boxes().size(), 3u);  // no question, no message
}

INSTANTIATE_TEST_SUITE_P(Exit, WaysOut, testing::Values(
    ExitCase{"a click on Salir", [](Learner& l) { l.click("cmdsalir"); }},
    ExitCase{"Esc in the instruction line", [](Learner& l) { l.key(rt::Key::Escape); }},
    ExitCase{"Esc in a mileage box", [](Learner& l) { l.click("txtActual"); l.key(rt::Key::Escape); }},
    ExitCase{"Enter on Salir after tabbing to it",
             [](Learner& l) { for (int i = 0; i < 4; ++i) l.key(rt::Key::Tab); l.key(rt::Key::Enter); }},
    ExitCase{"Space on Salir after tabbing to it",
             [](Learner& l) { for (int i = 0; i < 4; ++i) l.key(rt::Key::Tab); l.key(rt::Key::Space); }}));

TEST(WaysOut, EscInAnOpenBoxClosesOnlyTheBox)
{
    Learner learner;
    learner.host.answerNext({.result = rt::vbCancel});  // Esc on the OK-only credits box
    learner.startProgram();
    EXPECT_EQ(learner.host.boxes().size(), 3u);
    EXPECT_FALSE(learner.host.ended());
}

} // namespace
