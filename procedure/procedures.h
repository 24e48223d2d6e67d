#pragma once

// The event procedures of the oil change, each named after its control and its event. None calls
// another, and none looks at what was dropped or where: the scene's flags alone decide what can happen.

#include <string>

class Form1;

// Start-up and exit.
// Who made the program: seven lines joined by CR LF.
std::string creditsText();
// Load: the three start-up boxes, shown before the window.
void Form_Load(Form1& form);
// "&Salir" (also Esc): the program ends at once.
void cmdsalir_Click(Form1& form);

// Mileage check and start.
void cmdSimular_Click(Form1& form);

// Hood and blinking filler cap.
void Imgcamion_Click(Form1& form);
void Tmrparpadeo_Timer(Form1& form);

// Filler cap stored and pail placed.
void Picguardar1_DragDrop(Form1& form);
void Picmuestra_DragDrop(Form1& form);

// Drain nut removed and drain started.
void imgManeral_DragOver(Form1& form);
void imgDadotrescuartos_DragDrop(Form1& form);
void Imgtuerca_DragDrop(Form1& form);
void Picguardar2_DragDrop(Form1& form);

// Drain and litre animations.
void Tmrvesmol_Timer(Form1& form);
void Tmrlitro_Timer(Form1& form);

// Old filter out, new filter in; the waste bin.
void Imgfiltro_viejo1_DragDrop(Form1& form);
void imgbasura_DragDrop(Form1& form);
void imgFiltro_nuevo_DblClick(Form1& form);

// Drain nut refitted and tightened.
void Picguardar2_DblClick(Form1& form);
void Imgtuerca2_DragOver(Form1& form);

// Full pail removed and five litres poured.
void Picmuestra_DblClick(Form1& form);
void Imgsintapon_DragDrop(Form1& form);

// Completion and new run.
void Picguardar1_DblClick(Form1& form);
