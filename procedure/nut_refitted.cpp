#include "procedure/procedures.h"

#include "window/form1.h"

void Picguardar2_DblClick(Form1& form)
{
    form.Imgtuerca2.setVisible(true);
    form.MsgBox("Aprieta la tuerca con el dado y el maneral");
    form.Picguardar2.setVisible(false);
    form.Picguardar3.setEnabled(true);
    form.imgFiltro_nuevo.setVisible(false);
}

// Runs as the drag enters the nut, without a drop; hiding the nut first lets it run once.
void Imgtuerca2_DragOver(Form1& form)
{
    form.Imgtuerca2.setVisible(false);
    form.Picguardar3.setVisible(false);
    form.imgVesmol(0).setEnabled(true);
    form.MsgBox("Quita el bote dando doble click en el bote lleno");
    form.Picmuestra.setEnabled(true);
    form.Imgsintapon.setEnabled(true);
    form.Imgsintapon.setVisible(true);
}
