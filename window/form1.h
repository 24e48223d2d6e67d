#pragma once

#include "window/runtime/form.h"

#include <cstdint>

// The workshop window: the whole scene, with every control reached by its name.
class Form1 : public rt::Form {
public:
    Form1();

    rt::ProgressBar& pbravance2;    // a second progress bar at the same place; never shown, never used
    rt::ProgressBar& pbravance;     // the progress bar that is used: the drain and each litre
    rt::PictureBox& Picmuestra;     // the pail's place under the truck: empty pail, then full; a double-click takes it away
    rt::PictureBox& Picguardar3;    // storage box 3 (holds the tool); dragged over the refitted nut to tighten it
    rt::PictureBox& Picguardar1;    // storage box 1 (holds the cap); a double-click ends the run
    rt::PictureBox& Picguardar2;    // storage box 2 (holds the drain nut); a double-click puts the nut back
    rt::CommandButton& cmdsalir;    // "&Salir": ends the program (also Esc)
    rt::CommandButton& cmdSimular;  // "&Simular": checks the mileage and starts the change (also Enter)
    rt::TextBox& txtActual;         // the current mileage
    rt::TextBox& txtAnterior;       // the mileage at the last change
    rt::Timer& Tmrparpadeo;         // the blink timer (1000 ms): makes the filler cap blink
    rt::Timer& Tmrvesmol;           // the drain's timer (50 ms): the used oil running into the pail
    rt::Timer& Tmrlitro;            // the litre timer (25 ms): one litre of new oil running in
    rt::TextBox& Txtmensaje;        // the instruction line across the top
    rt::Image& Imgfiltronuevo2;     // the new filter mounted in place
    rt::Image& imgfiltroviejo2;     // the old filter in the wrench, once taken off; goes to the bin
    rt::Image& Imgquitafiltro;      // the band-type filter wrench
    rt::Image& Imgpuesto;           // the tool: ratchet handle with the socket fitted
    rt::Image& Imgpuesto1;          // the tool holding the drain nut, once unscrewed
    rt::Image& Imgfiltro_viejo1;    // the old filter in place; the wrench is dropped on it
    rt::Image& Imgvesmol_vacio;     // the emptied bottle; goes to the bin
    rt::Image& Imgsintapon;         // the filler opening; bottles are dropped on it
    rt::Image& Imgtapon;            // the filler cap; blinks while it waits to be taken off
    rt::Image& imgDadotrescuartos;  // the 3/4-inch socket; the handle is dropped on it
    rt::Image& imgManeral;          // the ratchet handle
    rt::Image& imgBotevacio;        // the empty pail, before it goes under the truck
    rt::Image& imgFiltro_nuevo;     // the new filter, loose; a double-click mounts it
    rt::Image& Imgcofre;            // the hood view; shown means the hood is open
    rt::Image& Imgtuerca;           // the drain nut in place; the tool is dropped on it
    rt::Label& Lblguardar;          // heading above the storage boxes
    rt::Image& Imgbotelleno;        // the full pail; never shown, only lends its picture to the pail's place
    rt::Label& lbl2;                // "Km Actual", beside the current mileage
    rt::Label& lbl1;                // "Km Anterior", beside the last change's mileage
    rt::Image& imgbasura;           // the bin: takes the old filter and the emptied bottles
    rt::Image& Imgtuerca2;          // the refitted nut; tightened by dragging storage box 3 over it
    rt::Image& Imgcamion;           // the truck seen from the front; a click opens or closes the hood

    // The five one-litre bottles, Index 0 leftmost.
    rt::Image& imgVesmol(int index);
    const rt::Image& imgVesmol(int index) const;
    static constexpr int kBottles = 5;

    // Tick counter of the running drain or litre animation.
    std::int16_t Intcontador = 0;
    // Pass count of the blink routine.
    std::int16_t Intciclo = 0;
};

// Settings the program starts with.
inline constexpr const char* kApplicationTitle = "vesmol";
