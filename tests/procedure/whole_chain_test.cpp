// The whole oil change from the mileages to the question for another change, as the learner does it,
// and again in the same window after OK.

#include "support/chain_steps.h"
#include "support/learner.h"
#include "support/scene.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct Step {
    std::string what;
    std::function<void(Learner&)> act;
    Texts boxes;       // every box the step shows, in order
    std::string line;  // the instruction line once the step is done
};

const char* const kDrainStarts = "the tool holding the nut stored in box 2";

// One complete run, each step with what the learner is told.
std::vector<Step> oneRun()
{
    const std::string openHood = "->Abrir cofre dando un click en el camión";
    const std::string nutLine = "Quita la tuerca con el manera y el dado para poner la tuerca.";
    const std::string filterLine = "-Quita el filtro viejo del vesmol de tal forma que pongas el quita filtro sobre el filtro viejo";
    const std::string newFilter = "Coloca el filtro nuevo en su lugar dado doble click";
    const std::string nutBack = "Coloca la tueca de nuevo en su lugar dado doble click en el lugar que se enc ra";
    std::vector<Step> steps{
        {"the mileages typed and Enter", [](Learner& l) { startTheChange(l, {"120000", "125250"}); },
         {"SI se va a cambiar el vesmol, 5250", "Sigue las instrucciones que te indican en texto de arriba",
          "Abrir cofre dando un clip en el camion y quita el tapon y  guardarlo"},
         openHood},
        {"the truck clicked, the cap blinking into view a second later",
         [](Learner& l) { l.click("Imgcamion"); l.advance(1000); }, {},
         "->Quita el tapón que esta flasheando y coloca en el lugar de guardarlo"},
        {"the cap stored in box 1", [](Learner& l) { l.drag("Imgtapon", "Picguardar1"); }, {},
         "Coloca el bote vacio abajo del trailer"},
        {"the empty pail placed under the truck", [](Learner& l) { l.drag("imgBotevacio", "Picmuestra"); },
         {"quita la tuerca con el maneral y el dado "}, nutLine},
        {"the handle dropped on the socket", [](Learner& l) { l.drag("imgManeral", "imgDadotrescuartos"); }, {}, nutLine},
        {"the tool dropped on the drain nut", [](Learner& l) { l.drag("Imgpuesto", "Imgtuerca"); }, {}, nutLine},
        {kDrainStarts, [](Learner& l) { l.drag("Imgpuesto1", "Picguardar2"); },
         {"Espera 5 segundos para llenar el bote"}, nutLine},
        {"the drain running its 101 ticks", [](Learner& l) { l.advance(101 * 50); },
         {"Listo el proceso ya concluyo quita el filtro"}, filterLine},
        {"the wrench dropped on the old filter", [](Learner& l) { l.drag("Imgquitafiltro", "Imgfiltro_viejo1"); }, {},
         filterLine},
        {"the removed filter thrown into the bin", [](Learner& l) { l.drag("imgfiltroviejo2", "imgbasura"); },
         {newFilter}, newFilter},
        {"the new filter double-clicked", [](Learner& l) { l.dblClick("imgFiltro_nuevo"); }, {}, nutBack},
        {"box 2 double-clicked", [](Learner& l) { l.dblClick("Picguardar2"); },
         {"Aprieta la tuerca con el dado y el maneral"}, nutBack},
        {"box 3 dragged over the refitted nut", [](Learner& l) { l.drag("Picguardar3", "Imgtuerca2"); },
         {"Quita el bote dando doble click en el bote lleno"}, nutBack},
        {"the full pail double-clicked", [](Learner& l) { l.dblClick("Picmuestra"); },
         {"Coloca el primer litro vesmol"}, " Coloca el primer litro vesmol"},
    };
    const char* const nextLitre[] = {"Agrega el segundo litro", "Coloca el tercer litro", "Coloca el cuarto litro",
                                     "Coloca el quinto litro"};
    for (int k = 0; k < Form1::kBottles; ++k) {
        const std::string bottle = "bottle " + std::to_string(k);
        steps.push_back({bottle + " dropped on the filler opening", [k](Learner& l) { dropBottleOnTheOpening(l, k); },
                         {"Espera 5 segundos a que se vacie el litro de vesmol"}, steps.back().line});
        steps.push_back({bottle + " running in", [](Learner& l) { l.advance(101 * 25); },
                         {" Deposita el bote vacio en la basura "}, " Deposita el bote vacio en la basura "});
        const bool last = k == Form1::kBottles - 1;
        steps.push_back({bottle + " emptied into the bin", [](Learner& l) { l.drag("Imgvesmol_vacio", "imgbasura"); },
                         last ? Texts{"Verífica el kilometraje de cambio de vesmol si se restauro.", "Listo ahora coloca el tapon "}
                              : Texts{},
                         last ? "Da doble click en donde se encuentra el tapon  " : nextLitre[k]});
    }
    steps.push_back({"box 1 double-clicked and OK", [](Learner& l) { l.dblClick("Picguardar1"); },
                     {"Listo has terminado de cambiar el vesmol", "Desea otro cambio de vesmol",
                      "Agrega los datos necesarios en el kilometraje anterior y Actual para iniciar. "},
                     ""});
    return steps;
}

// Runs one complete run, checking every step; afterStep looks at the scene after each one.
void runTheChain(Learner& l, const std::function<void(const Step&)>& afterStep = {})
{
    for (const Step& step : oneRun()) {
        SCOPED_TRACE(step.what);
        const std::size_t before = l.host.boxes().size();
        step.act(l);
        EXPECT_EQ(boxesSince(l, before), step.boxes);
        EXPECT_EQ(l.text("Txtmensaje"), step.line);
        ASSERT_FALSE(l.host.ended());
        if (afterStep)
            afterStep(step);
    }
}

// What the learner can see of every control, and which timers tick.
Texts scene(const Learner& l)
{
    Texts rows;
    for (const rt::Control* c : l.form.controls()) {
        std::string row = c->displayName() + (c->visible() ? " shown" : " hidden");
        if (const auto* text = dynamic_cast<const rt::TextBox*>(c))
            row += " \"" + text->text() + "\"";
        if (const auto* box = dynamic_cast<const rt::PictureBox*>(c))
            row += " [" + box->picture().key() + "]";
        if (const auto* timer = dynamic_cast<const rt::Timer*>(c))
            row += l.host.running(*timer) ? " ticking" : " stopped";
        rows.push_back(row);
    }
    return rows;
}

std::set<std::string> enabledControls(const Learner& l)
{
    std::set<std::string> names;
    for (const rt::Control* c : l.form.controls()) {
        if (c->enabled())
            names.insert(c->displayName());
    }
    return names;
}

std::set<std::string> without(const std::set<std::string>& a, const std::set<std::string>& b)
{
    std::set<std::string> rest;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::inserter(rest, rest.end()));
    return rest;
}

void expectTheBoxesDressedAsDesigned(const Learner& l)
{
    for (const ScriptedHost::Box& box : l.host.boxes()) {
        SCOPED_TRACE(box.prompt);
        if (box.prompt == "Desea otro cambio de vesmol") {
            EXPECT_EQ(box.buttons, rt::vbOKCancel + rt::vbQuestion);
            EXPECT_EQ(box.title, "Cambio de vesmol");
        } else {
            EXPECT_EQ(box.buttons, rt::vbOKOnly);
            EXPECT_EQ(box.title, "vesmol");
        }
    }
}

TEST(WholeChain, TwoRunsInARowEachLeaveTheStartSceneWithOnlyHiddenFlagsChanged)
{
    Learner learner;
    learner.startProgram();
    const Texts startScene = scene(learner);
    const std::set<std::string> startEnabled = enabledControls(learner);

    for (int run = 1; run <= 2; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        runTheChain(learner);
        EXPECT_EQ(scene(learner), startScene);
        EXPECT_EQ(without(enabledControls(learner), startEnabled),
                  (std::set<std::string>{"Imgpuesto1", "Imgvesmol_vacio", "Picguardar3", "imgManeral"}));
        EXPECT_EQ(without(startEnabled, enabledControls(learner)), (std::set<std::string>{"Imgfiltronuevo2"}));
        EXPECT_EQ(learner.form.Intcontador, 101);
        EXPECT_FALSE(learner.form.pbravance.visible());
        EXPECT_FALSE(learner.form.pbravance.active());
    }
    expectTheBoxesDressedAsDesigned(learner);
}

TEST(WholeChain, FromTheSecondRunOnBox3CanBeDraggedAsSoonAsTheDrainStarts)
{
    Learner learner;
    learner.startProgram();
    std::vector<bool> box3Draggable;
    const auto lookAtBox3 = [&](const Step& step) {
        if (step.what != kDrainStarts)
            return;
        const rt::Point box3 = learner.spotOf("Picguardar3");
        learner.form.pointerPress(box3);
        const auto drag = learner.form.drag();
        box3Draggable.push_back(drag.has_value() && drag->source == &learner.form.Picguardar3);
        learner.form.pointerRelease(box3);  // over itself: box 3 takes no drop
    };

    runTheChain(learner, lookAtBox3);
    runTheChain(learner, lookAtBox3);
    const Texts afterSecond = scene(learner);
    const std::set<std::string> enabledAfterSecond = enabledControls(learner);
    runTheChain(learner, lookAtBox3);

    EXPECT_EQ(box3Draggable, (std::vector<bool>{false, true, true}));
    EXPECT_EQ(scene(learner), afterSecond);
    EXPECT_EQ(enabledControls(learner), enabledAfterSecond);
}

} // namespace
