#include "procedure/procedures.h"

#include "window/form1.h"

void Picguardar1_DragDrop(Form1& form)
{
    form.Tmrparpadeo.setEnabled(false);
    form.Picguardar1.setPicture(form.Imgtapon.picture());
    form.Txtmensaje.setText("Coloca el bote vacio abajo del trailer");
    form.imgBotevacio.setVisible(true);
    form.Picmuestra.setVisible(true);
    form.Imgtapon.setVisible(false);
}

void Picmuestra_DragDrop(Form1& form)
{
    form.Picmuestra.setPicture(form.imgBotevacio.picture());
    form.Txtmensaje.setText("Quita la tuerca con el manera y el dado para poner la tuerca.");
    form.MsgBox("quita la tuerca con el maneral y el dado ");
    form.Imgtuerca.setVisible(true);
    form.imgManeral.setVisible(true);
    form.imgManeral.setEnabled(true);
    form.imgDadotrescuartos.setVisible(true);
    form.Picguardar2.setVisible(true);
    form.imgBotevacio.setVisible(false);
    form.Picmuestra.setEnabled(false);
}
