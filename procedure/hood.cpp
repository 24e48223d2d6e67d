#include "procedure/procedures.h"

#include "window/form1.h"
#include "window/runtime/conversions.h"

void Imgcamion_Click(Form1& form)
{
    if (!form.Imgcofre.visible()) {
        form.Imgcofre.setVisible(true);
        form.Imgfiltro_viejo1.setVisible(true);
        form.Txtmensaje.setText("->Quita el tapón que esta flasheando y coloca en el lugar de guardarlo");
        form.Tmrparpadeo.setEnabled(true);
    } else {
        form.Imgcofre.setVisible(false);
        form.Imgfiltronuevo2.setVisible(false);
        form.Imgtapon.setVisible(false);
        form.Imgfiltro_viejo1.setVisible(false);
        form.Tmrparpadeo.setEnabled(false);
    }
}

// Eleven inversions a tick, each drawn at once: the cap ends each tick the other way round.
void Tmrparpadeo_Timer(Form1& form)
{
    form.Intciclo = 0;
    while (form.Intciclo <= 20) {
        form.Intciclo = rt::add16(form.Intciclo, 1);
        form.Imgtapon.setVisible(!form.Imgtapon.visible());
        form.Imgtapon.Refresh();
        form.Imgtapon.Refresh();
        form.Intciclo = rt::add16(form.Intciclo, 1);
    }
}
