#pragma once

#include "tests/support/learner.h"

#include <string>

// The learner's way through one oil change, each step as the instructions lead.
//
// A step picks up where the one before it left off. The functions named after a point of the chain
// (openTheHoodWithTheChangeDue, placeThePail, startTheDrain, reachTheFilterChange, tightenTheNut)
// start the program on a learner just built and walk every step up to that point.

// What the learner is told at more than one point of the chain.
inline constexpr const char* kTakeTheNutOff = "Quita la tuerca con el manera y el dado para poner la tuerca.";
inline constexpr const char* kWaitForThePail = "Espera 5 segundos para llenar el bote";
inline constexpr const char* kDrained = "Listo el proceso ya concluyo quita el filtro";
inline constexpr const char* kTakeTheOldFilterOff =
    "-Quita el filtro viejo del vesmol de tal forma que pongas el quita filtro sobre el filtro viejo";
inline constexpr const char* kEmptyIntoTheBin = " Deposita el bote vacio en la basura ";

// The drain and a litre each run 101 ticks of their timers.
inline constexpr int kDrainMs = 101 * 50;
inline constexpr int kLitreMs = 101 * 25;

// Typed before "&Simular"; the defaults make the change due.
struct Mileages {
    std::string previous = "0";
    std::string current = "5000";
};

// Clicks into each mileage box and types over it, as the learner does before pressing "&Simular".
void enterMileages(Learner& learner, const std::string& previous, const std::string& current);
// The mileages typed and Enter pressed; every box is answered at once.
void startTheChange(Learner& learner, const Mileages& mileages = {});
// The cap taken to box 1 once its first blink shows it, and the empty pail placed under the truck.
void storeTheCapAndPlaceThePail(Learner& learner);
// The handle dropped on the socket, and the tool they make dropped on the drain nut.
void takeTheNutOff(Learner& learner);
// The nut taken off and the tool holding it stored in box 2: the drain starts.
void storeTheNut(Learner& learner);
// The same, and the drain run out.
void drainThePail(Learner& learner);
// The old filter off, into the bin, and the new one on.
void changeTheFilter(Learner& learner);
// Box 2 double-clicked to put the nut back, and box 3 dragged over it to tighten it.
void refitTheNut(Learner& learner);
// Bottle k dropped on the filler opening: its litre starts to run in.
void dropBottleOnTheOpening(Learner& learner, int bottle);
// Bottle k dropped on the filler opening, its litre run in, and the emptied bottle thrown into the bin.
void pourBottle(Learner& learner, int bottle);
// The five bottles poured one after the other.
void pourTheFiveLitres(Learner& learner);

// Start-up and the change started, then the truck clicked: the cap blinks, hidden for now.
void openTheHoodWithTheChangeDue(Learner& learner, const Mileages& mileages = {});
// On to the cap stored and the empty pail under the truck.
void placeThePail(Learner& learner, const Mileages& mileages = {});
// On to the tool holding the nut stored in box 2; the drain is left running.
void startTheDrain(Learner& learner, const Mileages& mileages = {});
// On to the drain run out: the filter wrench is out.
void reachTheFilterChange(Learner& learner, const Mileages& mileages = {});
// On to the nut put back and tightened: the first bottle, the filler opening and the full pail are open.
void tightenTheNut(Learner& learner, const Mileages& mileages = {});
