#include "tests/support/chain_steps.h"

void enterMileages(Learner& learner, const std::string& previous, const std::string& current)
{
    learner.click("txtAnterior");
    learner.type("txtAnterior", previous);
    learner.click("txtActual");
    learner.type("txtActual", current);
}

void startTheChange(Learner& learner, const Mileages& mileages)
{
    enterMileages(learner, mileages.previous, mileages.current);
    learner.key(rt::Key::Enter);
}

void storeTheCapAndPlaceThePail(Learner& learner)
{
    learner.advance(1000);
    learner.drag("Imgtapon", "Picguardar1");
    learner.drag("imgBotevacio", "Picmuestra");
}

void takeTheNutOff(Learner& learner)
{
    learner.drag("imgManeral", "imgDadotrescuartos");
    learner.drag("Imgpuesto", "Imgtuerca");
}

void storeTheNut(Learner& learner)
{
    takeTheNutOff(learner);
    learner.drag("Imgpuesto1", "Picguardar2");
}

void drainThePail(Learner& learner)
{
    storeTheNut(learner);
    learner.advance(kDrainMs);
}

void changeTheFilter(Learner& learner)
{
    learner.drag("Imgquitafiltro", "Imgfiltro_viejo1");
    learner.drag("imgfiltroviejo2", "imgbasura");
    learner.dblClick("imgFiltro_nuevo");
}

void refitTheNut(Learner& learner)
{
    learner.dblClick("Picguardar2");
    learner.drag("Picguardar3", "Imgtuerca2");
}

void dropBottleOnTheOpening(Learner& learner, int bottle)
{
    learner.dragFromTo(learner.spotOf("imgVesmol", bottle), learner.spotOf("Imgsintapon"));
}

void pourBottle(Learner& learner, int bottle)
{
    dropBottleOnTheOpening(learner, bottle);
    learner.advance(kLitreMs);
    learner.drag("Imgvesmol_vacio", "imgbasura");
}

void pourTheFiveLitres(Learner& learner)
{
    for (int bottle = 0; bottle < Form1::kBottles; ++bottle)
        pourBottle(learner, bottle);
}

void openTheHoodWithTheChangeDue(Learner& learner, const Mileages& mileages)
{
    learner.startProgram();
    startTheChange(learner, mileages);
    learner.click("Imgcamion");
}

void placeThePail(Learner& learner, const Mileages& mileages)
{
    openTheHoodWithTheChangeDue(learner, mileages);
    storeTheCapAndPlaceThePail(learner);
}

void startTheDrain(Learner& learner, const Mileages& mileages)
{
    placeThePail(learner, mileages);
    storeTheNut(learner);
}

void reachTheFilterChange(Learner& learner, const Mileages& mileages)
{
    startTheDrain(learner, mileages);
    learner.advance(kDrainMs);
}

void tightenTheNut(Learner& learner, const Mileages& mileages)
{
    reachTheFilterChange(learner, mileages);
    changeTheFilter(learner);
    refitTheNut(learner);
}
