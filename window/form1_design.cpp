#include "window/form1_design.h"

#include <array>

namespace {

using rt::ControlKind;

constexpr rt::Rgb kRed{255, 0, 0};
constexpr rt::Rgb kDarkBlue{0, 0, 192};

// Front to back within each layer; places and sizes in twips.
constexpr std::array kControls = std::to_array<rt::ControlDesign>({
    {.name = "pbravance2", .kind = ControlKind::ProgressBar, .rect = {1320, 3240, 4455, 255}, .visible = false, .tabIndex = 13, .min = 0, .max = 100},
    {.name = "pbravance", .kind = ControlKind::ProgressBar, .rect = {1320, 3240, 4455, 255}, .visible = false, .tabIndex = 12, .min = 0, .max = 100},
    {.name = "Picmuestra", .kind = ControlKind::PictureBox, .rect = {4440, 3720, 615, 735}, .visible = false, .tabIndex = 8},
    {.name = "Picguardar3", .kind = ControlKind::PictureBox, .rect = {360, 4560, 615, 495}, .visible = false, .enabled = false, .automaticDrag = true, .tabIndex = 7},
    {.name = "Picguardar1", .kind = ControlKind::PictureBox, .rect = {0, 3960, 375, 375}, .tabIndex = 6},
    {.name = "Picguardar2", .kind = ControlKind::PictureBox, .rect = {600, 3960, 615, 495}, .visible = false, .tabIndex = 5},
    {.name = "cmdsalir", .kind = ControlKind::CommandButton, .rect = {7560, 5640, 1215, 495}, .tabIndex = 4, .caption = "&Salir", .isCancel = true},
    {.name = "cmdSimular", .kind = ControlKind::CommandButton, .rect = {5520, 5640, 1935, 495}, .tabIndex = 3, .caption = "&Simular", .isDefault = true},
    {.name = "txtActual", .kind = ControlKind::TextBox, .rect = {2040, 5520, 1455, 375}, .tabIndex = 2, .text = "0"},
    {.name = "txtAnterior", .kind = ControlKind::TextBox, .rect = {2040, 4920, 1455, 375}, .tabIndex = 1, .text = "0"},
    {.name = "Tmrparpadeo", .kind = ControlKind::Timer, .visible = false, .enabled = false, .interval = 1000},
    {.name = "Tmrvesmol", .kind = ControlKind::Timer, .visible = false, .enabled = false, .interval = 50},
    {.name = "Tmrlitro", .kind = ControlKind::Timer, .visible = false, .enabled = false, .interval = 25},
    {.name = "Txtmensaje", .kind = ControlKind::TextBox, .rect = {360, 0, 8295, 375}, .tabIndex = 0, .text = ""},
    {.name = "Imgfiltronuevo2", .kind = ControlKind::Image, .rect = {4080, 1440, 240, 360}, .visible = false, .stretch = false, .picture = "filtronuevo2"},
    {.name = "imgfiltroviejo2", .kind = ControlKind::Image, .rect = {3840, 600, 735, 615}, .visible = false, .automaticDrag = true, .stretch = true, .picture = "filtroviejo2"},
    {.name = "Imgquitafiltro", .kind = ControlKind::Image, .rect = {6360, 840, 570, 525}, .visible = false, .automaticDrag = true, .stretch = false, .picture = "quitafiltro"},
    {.name = "Imgpuesto", .kind = ControlKind::Image, .rect = {6840, 4200, 825, 825}, .visible = false, .automaticDrag = true, .stretch = true, .picture = "puesto"},
    {.name = "Imgpuesto1", .kind = ControlKind::Image, .rect = {3600, 4200, 840, 825}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .picture = "puesto1"},
    {.name = "Imgfiltro_viejo1", .kind = ControlKind::Image, .rect = {4080, 1440, 300, 360}, .visible = false, .stretch = true, .picture = "filtro_viejo1"},
    {.name = "Imgvesmol_vacio", .kind = ControlKind::Image, .rect = {2640, 960, 360, 495}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .picture = "vesmol_vacio"},
    {.name = "Imgsintapon", .kind = ControlKind::Image, .rect = {3120, 1440, 720, 330}, .visible = false, .enabled = false, .stretch = true, .picture = "sintapon"},
    {.name = "Imgtapon", .kind = ControlKind::Image, .rect = {3240, 1440, 435, 315}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .picture = "tapon"},
    {.name = "imgDadotrescuartos", .kind = ControlKind::Image, .rect = {6240, 4200, 255, 255}, .visible = false, .automaticDrag = true, .stretch = true, .picture = "dadotrescuartos"},
    {.name = "imgManeral", .kind = ControlKind::Image, .rect = {6960, 840, 615, 615}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .picture = "maneral"},
    {.name = "imgBotevacio", .kind = ControlKind::Image, .rect = {8760, 4320, 615, 735}, .visible = false, .automaticDrag = true, .stretch = true, .picture = "botevacio"},
    {.name = "imgFiltro_nuevo", .kind = ControlKind::Image, .rect = {6840, 1800, 375, 495}, .visible = false, .stretch = true, .picture = "filtro_nuevo"},
    {.name = "imgVesmol", .kind = ControlKind::Image, .rect = {5040, 5280, 375, 705}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .index = 4, .picture = "vesmol"},
    {.name = "imgVesmol", .kind = ControlKind::Image, .rect = {4680, 5280, 375, 705}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .index = 3, .picture = "vesmol"},
    {.name = "imgVesmol", .kind = ControlKind::Image, .rect = {4320, 5280, 375, 705}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .index = 2, .picture = "vesmol"},
    {.name = "imgVesmol", .kind = ControlKind::Image, .rect = {3960, 5280, 375, 705}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .index = 1, .picture = "vesmol"},
    {.name = "imgVesmol", .kind = ControlKind::Image, .rect = {3600, 5280, 375, 705}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .index = 0, .picture = "vesmol"},
    {.name = "Imgcofre", .kind = ControlKind::Image, .rect = {2280, 360, 2400, 1635}, .visible = false, .enabled = false, .stretch = true, .picture = "cofre"},
    {.name = "Imgtuerca", .kind = ControlKind::Image, .rect = {2760, 4080, 225, 255}, .visible = false, .stretch = true, .picture = "tuerca"},
    {.name = "Lblguardar", .kind = ControlKind::Label, .rect = {0, 3720, 1440, 195}, .tabIndex = 11, .caption = "Guardar Las Cosas  ", .autoSize = true},
    {.name = "Imgbotelleno", .kind = ControlKind::Image, .rect = {8880, 5160, 555, 540}, .visible = false, .enabled = false, .automaticDrag = true, .stretch = true, .picture = "botelleno"},
    {.name = "lbl2", .kind = ControlKind::Label, .rect = {960, 5520, 855, 255}, .tabIndex = 10, .caption = "Km Actual", .foreColor = kRed},
    {.name = "lbl1", .kind = ControlKind::Label, .rect = {960, 5040, 810, 195}, .tabIndex = 9, .caption = "Km Anterior", .foreColor = kDarkBlue, .autoSize = true},
    {.name = "imgbasura", .kind = ControlKind::Image, .rect = {1320, 4200, 720, 660}, .automaticDrag = true, .stretch = true, .picture = "basura"},
    {.name = "Imgtuerca2", .kind = ControlKind::Image, .rect = {2520, 4080, 255, 255}, .visible = false, .stretch = true, .picture = "tuerca2"},
    {.name = "Imgcamion", .kind = ControlKind::Image, .rect = {1080, 0, 5535, 4095}, .stretch = true, .picture = "camion"},
});

const rt::FormDesign kForm1{
    .caption = "Cambio de vesmol",
    .clientSize = {9570, 6285},
    .icon = "form_icon",
    .controls = kControls,
};

} // namespace

const rt::FormDesign& form1Design()
{
    return kForm1;
}
