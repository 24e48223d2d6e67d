#include "procedure/procedures.h"

#include "window/form1.h"

std::string creditsText()
{
    return "Programa realizado por el equipo Llave Inglesa \r\n"
           "Sus integrantes son:\r\n"
           "Mariana Ocampo Villaseñor\r\n"
           "Julián Bermúdez Tapia\r\n"
           "Rocío Estrada Lugo\r\n"
           "Héctor Quiroga Navarrete\r\n"
           "Daniela Ibarra Solís";
}

void Form_Load(Form1& form)
{
    form.MsgBox(creditsText());
    form.MsgBox("Este programa permite simular el cambio de vesmol ");
    form.MsgBox("Agrega los datos necesarios en el kilometraje anterior y en actual que se encuentra debajo del Trailer. ");
}

void cmdsalir_Click(Form1& form)
{
    form.End();
}
