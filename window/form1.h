#pragma once

#include "window/runtime/form.h"

#include <cstdint>

// The workshop window: the whole scene, with every control reached by its name.
class Form1 : public rt::Form {
public:
    Form1();

    rt::ProgressBar& pbravance2;
    rt::ProgressBar& pbravance;
    rt::PictureBox& Picmuestra;
    rt::PictureBox& Picguardar3;
    rt::PictureBox& Picguardar1;
    rt::PictureBox& Picguardar2;
    rt::CommandButton& cmdsalir;
    rt::CommandButton& cmdSimular;
    rt::TextBox& txtActual;
    rt::TextBox& txtAnterior;
    rt::Timer& Tmrparpadeo;
    rt::Timer& Tmrvesmol;
    rt::Timer& Tmrlitro;
    rt::TextBox& Txtmensaje;
    rt::Image& Imgfiltronuevo2;
    rt::Image& imgfiltroviejo2;
    rt::Image& Imgquitafiltro;
    rt::Image& Imgpuesto;
    rt::Image& Imgpuesto1;
    rt::Image& Imgfiltro_viejo1;
    rt::Image& Imgvesmol_vacio;
    rt::Image& Imgsintapon;
    rt::Image& Imgtapon;
    rt::Image& imgDadotrescuartos;
    rt::Image& imgManeral;
    rt::Image& imgBotevacio;
    rt::Image& imgFiltro_nuevo;
    rt::Image& Imgcofre;
    rt::Image& Imgtuerca;
    rt::Label& Lblguardar;
    rt::Image& Imgbotelleno;
    rt::Label& lbl2;
    rt::Label& lbl1;
    rt::Image& imgbasura;
    rt::Image& Imgtuerca2;
    rt::Image& Imgcamion;

    // The five one-litre bottles, Index 0 leftmost.
    rt::Image& imgVesmol(int index);
    const rt::Image& imgVesmol(int index) const;
    static constexpr int kBottles = 5;

    // Tick counter of the running drain or litre animation.
    std::int16_t Intcontador = 0;
    // Pass count of the blink routine.
    std::int16_t Intciclo = 0;
};

// Settings the program starts with.
inline constexpr const char* kApplicationTitle = "vesmol";
