#include "assets/picture_table.h"

#include <algorithm>
#include <array>

namespace assets {

namespace {

// A plain bitmap shows at 15 twips a pixel; a framed bitmap and the drawing have a size of their own.
constexpr PictureAsset bitmap(std::string_view key, rt::Size pixels)
{
    return {key, PictureKind::Bitmap, pixels, {pixels.width * rt::kTwipsPerPixel, pixels.height * rt::kTwipsPerPixel}};
}

constexpr PictureAsset framed(std::string_view key, rt::Size pixels, rt::Size natural)
{
    return {key, PictureKind::FramedBitmap, pixels, natural};
}

constexpr PictureAsset drawing(std::string_view key, rt::Size drawnAt, rt::Size natural)
{
    return {key, PictureKind::Drawing, drawnAt, natural};
}

constexpr std::array kPictures = std::to_array<PictureAsset>({
    drawing("camion", {640, 585}, {9600, 8775}),
    bitmap("cofre", {232, 127}),
    bitmap("sintapon", {44, 16}),
    framed("tapon", {93, 90}, {360, 350}),
    framed("filtro_viejo1", {80, 89}, {540, 600}),
    bitmap("filtroviejo2", {51, 49}),
    bitmap("quitafiltro", {38, 35}),
    bitmap("filtro_nuevo", {29, 42}),
    bitmap("filtronuevo2", {16, 24}),
    bitmap("maneral", {63, 55}),
    bitmap("dadotrescuartos", {54, 55}),
    framed("puesto", {526, 434}, {2025, 1670}),
    framed("puesto1", {94, 93}, {2280, 2258}),
    framed("tuerca", {124, 117}, {840, 793}),
    bitmap("tuerca2", {37, 34}),
    bitmap("botevacio", {42, 53}),
    bitmap("botelleno", {45, 43}),
    bitmap("vesmol", {74, 105}),
    bitmap("vesmol_vacio", {39, 55}),
    bitmap("basura", {34, 35}),
});

} // namespace

std::span<const PictureAsset> pictureTable()
{
    return kPictures;
}

const PictureAsset* findPicture(std::string_view key)
{
    auto it = std::find_if(kPictures.begin(), kPictures.end(), [&](const PictureAsset& p) { return p.key == key; });
    return it == kPictures.end() ? nullptr : &*it;
}

} // namespace assets
