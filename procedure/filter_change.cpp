#include "procedure/procedures.h"

#include "window/form1.h"

void Imgfiltro_viejo1_DragDrop(Form1& form)
{
    form.Imgfiltro_viejo1.setVisible(false);
    form.imgfiltroviejo2.setVisible(true);
    form.Imgquitafiltro.setVisible(false);
}

void imgFiltro_nuevo_DblClick(Form1& form)
{
    form.Imgfiltronuevo2.setVisible(true);
    form.Txtmensaje.setText("Coloca la tueca de nuevo en su lugar dado doble click en el lugar que se enc ra");
    form.imgFiltro_nuevo.setVisible(false);
    form.Imgfiltronuevo2.setEnabled(false);
    form.Picguardar2.setEnabled(true);
}
