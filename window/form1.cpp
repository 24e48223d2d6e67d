#include "window/form1.h"

#include "window/form1_design.h"

#include <stdexcept>

Form1::Form1()
    : rt::Form(form1Design(), kApplicationTitle)
    , pbravance2(control<rt::ProgressBar>("pbravance2"))
    , pbravance(control<rt::ProgressBar>("pbravance"))
    , Picmuestra(control<rt::PictureBox>("Picmuestra"))
    , Picguardar3(control<rt::PictureBox>("Picguardar3"))
    , Picguardar1(control<rt::PictureBox>("Picguardar1"))
    , Picguardar2(control<rt::PictureBox>("Picguardar2"))
    , cmdsalir(control<rt::CommandButton>("cmdsalir"))
    , cmdSimular(control<rt::CommandButton>("cmdSimular"))
    , txtActual(control<rt::TextBox>("txtActual"))
    , txtAnterior(control<rt::TextBox>("txtAnterior"))
    , Tmrparpadeo(control<rt::Timer>("Tmrparpadeo"))
    , Tmrvesmol(control<rt::Timer>("Tmrvesmol"))
    , Tmrlitro(control<rt::Timer>("Tmrlitro"))
    , Txtmensaje(control<rt::TextBox>("Txtmensaje"))
    , Imgfiltronuevo2(control<rt::Image>("Imgfiltronuevo2"))
    , imgfiltroviejo2(control<rt::Image>("imgfiltroviejo2"))
    , Imgquitafiltro(control<rt::Image>("Imgquitafiltro"))
    , Imgpuesto(control<rt::Image>("Imgpuesto"))
    , Imgpuesto1(control<rt::Image>("Imgpuesto1"))
    , Imgfiltro_viejo1(control<rt::Image>("Imgfiltro_viejo1"))
    , Imgvesmol_vacio(control<rt::Image>("Imgvesmol_vacio"))
    , Imgsintapon(control<rt::Image>("Imgsintapon"))
    , Imgtapon(control<rt::Image>("Imgtapon"))
    , imgDadotrescuartos(control<rt::Image>("imgDadotrescuartos"))
    , imgManeral(control<rt::Image>("imgManeral"))
    , imgBotevacio(control<rt::Image>("imgBotevacio"))
    , imgFiltro_nuevo(control<rt::Image>("imgFiltro_nuevo"))
    , Imgcofre(control<rt::Image>("Imgcofre"))
    , Imgtuerca(control<rt::Image>("Imgtuerca"))
    , Lblguardar(control<rt::Label>("Lblguardar"))
    , Imgbotelleno(control<rt::Image>("Imgbotelleno"))
    , lbl2(control<rt::Label>("lbl2"))
    , lbl1(control<rt::Label>("lbl1"))
    , imgbasura(control<rt::Image>("imgbasura"))
    , Imgtuerca2(control<rt::Image>("Imgtuerca2"))
    , Imgcamion(control<rt::Image>("Imgcamion"))
{
}

namespace {

void checkBottle(int index)
{
    if (index < 0 || index >= Form1::kBottles)
        throw std::out_of_range("imgVesmol has no element " + std::to_string(index));
}

} // namespace

rt::Image& Form1::imgVesmol(int index)
{
    checkBottle(index);
    return control<rt::Image>("imgVesmol", index);
}

const rt::Image& Form1::imgVesmol(int index) const
{
    checkBottle(index);
    return control<rt::Image>("imgVesmol", index);
}
