#include "procedure/procedures.h"

#include "window/form1.h"

#include <array>

namespace {

constexpr int kLastBottle = Form1::kBottles - 1;

// The line after each bottle but the last, asking for the next one.
constexpr std::array<const char*, kLastBottle> kNextLitre{
    "Agrega el segundo litro",
    "Coloca el tercer litro",
    "Coloca el cuarto litro",
    "Coloca el quinto litro",
};

void throwAwayOldFilter(Form1& form)
{
    form.imgfiltroviejo2.setVisible(false);
    form.imgFiltro_nuevo.setVisible(true);
    form.Txtmensaje.setText("Coloca el filtro nuevo en su lugar dado doble click");
    form.MsgBox("Coloca el filtro nuevo en su lugar dado doble click");
}

void throwAwayBottle(Form1& form, int k)
{
    form.imgVesmol(k).setEnabled(false);
    form.imgVesmol(k).setVisible(false);
    form.Imgvesmol_vacio.setVisible(false);
    form.Imgsintapon.setEnabled(true);
    form.imgVesmol(k + 1).setEnabled(true);
    form.Txtmensaje.setText(kNextLitre[static_cast<std::size_t>(k)]);
}

void throwAwayLastBottle(Form1& form)
{
    form.imgVesmol(kLastBottle).setEnabled(false);
    form.imgVesmol(kLastBottle).setVisible(false);
    form.Imgsintapon.setVisible(false);
    form.Imgvesmol_vacio.setVisible(false);
    form.Txtmensaje.setText("Da doble click en donde se encuentra el tapon  ");
    form.txtAnterior.setText(form.txtActual.text());
    form.MsgBox("Verífica el kilometraje de cambio de vesmol si se restauro.");
    form.MsgBox("Listo ahora coloca el tapon ");
}

} // namespace

// The removed filter goes first; otherwise the first enabled bottle counts as the litre just poured.
void imgbasura_DragDrop(Form1& form)
{
    if (form.imgfiltroviejo2.visible()) {
        throwAwayOldFilter(form);
        return;
    }
    for (int k = 0; k < kLastBottle; ++k) {
        if (form.imgVesmol(k).enabled()) {
            throwAwayBottle(form, k);
            return;
        }
    }
    if (form.imgVesmol(kLastBottle).enabled())
        throwAwayLastBottle(form);
}
