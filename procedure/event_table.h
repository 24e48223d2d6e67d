#pragma once

class Form1;

// Wires every event procedure of the window to its control and event; no other event has one.
void connectEventProcedures(Form1& form);
