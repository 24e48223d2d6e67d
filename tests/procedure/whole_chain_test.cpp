// The whole oil change as the learner does it, and again in the same window after OK. Each step's own
// effects and texts are checked where that step is; here, what only whole runs show.

#include "tests/support/chain_steps.h"
#include "tests/support/learner.h"
#include "tests/support/scene.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every box of one run, in the order the learner meets them.
const std::vector<std::string> kBoxesOfARun{
    "SI se va a cambiar el vesmol, 5000",
    "Sigue las instrucciones que te indican en texto de arriba",
    "Abrir cofre dando un clip en el camion y quita el tapon y  guardarlo",
    "quita la tuerca con el maneral y el dado ",
    "Espera 5 segundos para llenar el bote",
    "Listo el proceso ya concluyo quita el filtro",
    "Coloca el filtro nuevo en su lugar dado doble click",
    "Aprieta la tuerca con el dado y el maneral",
    "Quita el bote dando doble click en el bote lleno",
    "Coloca el primer litro vesmol",
    "Espera 5 segundos a que se vacie el litro de vesmol", " Deposita el bote vacio en la basura ",
    "Espera 5 segundos a que se vacie el litro de vesmol", " Deposita el bote vacio en la basura ",
    "Espera 5 segundos a que se vacie el litro de vesmol", " Deposita el bote vacio en la basura ",
    "Espera 5 segundos a que se vacie el litro de vesmol", " Deposita el bote vacio en la basura ",
    "Espera 5 segundos a que se vacie el litro de vesmol", " Deposita el bote vacio en la basura ",
    "Verífica el kilometraje de cambio de vesmol si se restauro.",
    "Listo ahora coloca el tapon ",
    "Listo has terminado de cambiar el vesmol",
    "Desea otro cambio de vesmol",
    "Agrega los datos necesarios en el kilometraje anterior y Actual para iniciar. ",
};

// Pressed and let go where it was pressed: box 3 takes no drop, so this tells only whether it drags.
bool boxThreeCanBeDragged(Learner& learner)
{
    const rt::Point box3 = learner.spotOf("Picguardar3");
    learner.form.pointerPress(box3);
    const auto drag = learner.form.drag();
    learner.form.pointerRelease(box3);
    return drag.has_value() && drag->source == &learner.form.Picguardar3;
}

TEST(WholeChain, ThreeRunsMeetTheSameBoxesEndInTheStartSceneAndFromTheSecondOnBoxThreeDragsAtTheDrain)
{
    Learner learner;
    learner.startProgram();
    // The start scene but for the flags that no step sets back.
    Scene afterARun = sceneOf(learner);
    for (const char* name : {"Imgpuesto1", "Imgvesmol_vacio", "Picguardar3", "imgManeral"})
        afterARun[name].enabled = true;
    afterARun["Imgfiltronuevo2"].enabled = false;

    std::vector<bool> boxThreeDraggable;
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE("run " + std::to_string(run));
        const std::size_t boxesBefore = learner.host.boxes().size();
        startTheChange(learner);
        learner.click("Imgcamion");
        storeTheCapAndPlaceThePail(learner);
        takeTheNutOff(learner);
        learner.drag("Imgpuesto1", "Picguardar2");
        boxThreeDraggable.push_back(boxThreeCanBeDragged(learner));
        learner.advance(kDrainMs);
        changeTheFilter(learner);
        refitTheNut(learner);
        learner.dblClick("Picmuestra");
        pourTheFiveLitres(learner);
        learner.dblClick("Picguardar1");
        ASSERT_FALSE(learner.host.ended());
        EXPECT_EQ(boxesSince(learner, boxesBefore), kBoxesOfARun);
        EXPECT_EQ(sceneOf(learner), afterARun);
    }
    EXPECT_EQ(boxThreeDraggable, (std::vector<bool>{false, true, true}));

    // Every box of a run: the question with its own buttons and caption, the others OK under the program's title.
    for (const ScriptedHost::Box& box : learner.host.boxes()) {
        SCOPED_TRACE(box.prompt);
        const bool question = box.prompt == "Desea otro cambio de vesmol";
        EXPECT_EQ(box.buttons, question ? rt::vbOKCancel + rt::vbQuestion : rt::vbOKOnly);
        EXPECT_EQ(box.title, question ? "Cambio de vesmol" : "vesmol");
    }
}

} // namespace
