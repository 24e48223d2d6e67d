#include "procedure/procedures.h"

#include "window/form1.h"

void Picmuestra_DblClick(Form1& form)
{
    form.Picmuestra.setVisible(false);
    form.Txtmensaje.setText(" Coloca el primer litro vesmol");
    form.MsgBox("Coloca el primer litro vesmol");
}

// Unlike the drain, the litre starts only when its box is closed, so it runs in full view.
void Imgsintapon_DragDrop(Form1& form)
{
    form.MsgBox("Espera 5 segundos a que se vacie el litro de vesmol");
    form.Tmrlitro.setEnabled(true);
    form.pbravance.setActive(true);
    form.pbravance.setVisible(true);
    form.Intcontador = 0;
}
