#include "procedure/procedures.h"

#include "window/form1.h"
#include "window/runtime/conversions.h"

namespace {

// One tick of either animation: the shared counter moves the bar, or, once past the bar's
// maximum, tells the caller to finish.
bool progressFinished(Form1& form)
{
    form.Intcontador = rt::add16(form.Intcontador, 1);
    const float maximum = form.pbravance.max();
    const auto counter = static_cast<float>(form.Intcontador);
    if (maximum < counter)
        return true;
    form.pbravance.setValue(counter);
    return false;
}

void hideBar(Form1& form)
{
    form.pbravance.setVisible(false);
    form.pbravance.setActive(false);
}

} // namespace

void Tmrvesmol_Timer(Form1& form)
{
    if (!progressFinished(form))
        return;
    form.Picmuestra.setPicture(form.Imgbotelleno.picture());
    form.Tmrvesmol.setEnabled(false);
    form.Txtmensaje.setText("-Quita el filtro viejo del vesmol de tal forma que pongas el quita filtro sobre el filtro viejo");
    form.MsgBox("Listo el proceso ya concluyo quita el filtro");
    form.Imgquitafiltro.setVisible(true);
    form.Imgfiltro_viejo1.setEnabled(true);
    hideBar(form);
}

void Tmrlitro_Timer(Form1& form)
{
    if (!progressFinished(form))
        return;
    form.Imgvesmol_vacio.setVisible(true);
    form.Imgsintapon.setEnabled(false);
    form.Imgvesmol_vacio.setEnabled(true);
    form.Tmrlitro.setEnabled(false);
    form.MsgBox(" Deposita el bote vacio en la basura ");
    form.Txtmensaje.setText(" Deposita el bote vacio en la basura ");
    hideBar(form);
}
