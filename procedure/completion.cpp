#include "procedure/procedures.h"

#include "window/form1.h"
#include "window/runtime/conversions.h"

void Picguardar1_DblClick(Form1& form)
{
    form.Imgtapon.setVisible(true);
    form.Picguardar1.setVisible(false);
    form.MsgBox("Listo has terminado de cambiar el vesmol");
    if (form.MsgBox("Desea otro cambio de vesmol", rt::vbOKCancel + rt::vbQuestion, "Cambio de vesmol") == rt::vbCancel)
        form.End();

    // A new run in the same window: only what is named here goes back; timers, counters and bottles stay.
    form.Imgfiltronuevo2.setVisible(false);
    form.Imgcofre.setVisible(false);
    form.Picguardar1.setVisible(true);
    form.Picguardar1.setPicture(rt::LoadPicture(""));
    form.Picguardar2.setPicture(rt::LoadPicture(""));
    form.Picguardar3.setPicture(rt::LoadPicture(""));
    form.Picmuestra.setPicture(rt::LoadPicture(""));
    form.Imgtapon.setVisible(false);
    form.Imgfiltro_viejo1.setVisible(false);
    form.Imgtapon.setEnabled(false);
    form.Txtmensaje.setText("");
    form.txtAnterior.setText(rt::wholeNumberToText(std::int16_t{0}));
    form.txtActual.setText(rt::wholeNumberToText(std::int16_t{0}));
    form.MsgBox("Agrega los datos necesarios en el kilometraje anterior y Actual para iniciar. ");
}
