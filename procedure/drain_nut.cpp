#include "procedure/procedures.h"

#include "window/form1.h"

// Any drag over the handle: the socket, which never loses it, is enabled.
void imgManeral_DragOver(Form1& form)
{
    form.imgDadotrescuartos.setEnabled(true);
}

void imgDadotrescuartos_DragDrop(Form1& form)
{
    form.imgDadotrescuartos.setVisible(false);
    form.Imgpuesto.setVisible(true);
    form.imgManeral.setVisible(false);
    form.Imgpuesto1.setEnabled(true);
}

void Imgtuerca_DragDrop(Form1& form)
{
    form.Imgtuerca.setVisible(false);
    form.Imgpuesto1.setVisible(true);
    form.Imgpuesto.setVisible(false);
}

// The drain starts before its box opens, so it runs behind the box; the bar shows once it is closed.
void Picguardar2_DragDrop(Form1& form)
{
    form.Picguardar2.setPicture(form.Imgtuerca.picture());
    form.Picguardar3.setVisible(true);
    form.Picguardar3.setPicture(form.Imgpuesto.picture());
    form.Tmrvesmol.setEnabled(true);
    form.Intcontador = 0;
    form.MsgBox("Espera 5 segundos para llenar el bote");
    form.Imgpuesto1.setVisible(false);
    form.Picguardar2.setEnabled(false);
    form.pbravance.setActive(true);
    form.pbravance.setVisible(true);
}
