#pragma once

#include <string>

class Form1;

// Who made the program: seven lines joined by CR LF.
std::string creditsText();

// Load: the three start-up boxes, shown before the window.
void Form_Load(Form1& form);

// "&Salir" (also Esc): the program ends at once.
void cmdsalir_Click(Form1& form);
