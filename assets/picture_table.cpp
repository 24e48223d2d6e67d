#include "picture_table.h"

#include <algorithm>
#include <array>

namespace assets {

namespace {

using enum PictureKind;

constexpr std::array kPictures = std::to_array<PictureAsset>({
    {"camion", Drawing, {640, 585}, {9600, 8775}},
    {"cofre", Bitmap, {232, 127}, {3480, 1905}},
    {"sintapon", Bitmap, {44, 16}, {660, 240}},
    {"tapon", FramedBitmap, {93, 90}, {360, 350}},
    {"filtro_viejo1", FramedBitmap, {80, 89}, {540, 600}},
    {"filtroviejo2", Bitmap, {51, 49}, {765, 735}},
    {"quitafiltro", Bitmap, {38, 35}, {570, 525}},
    {"filtro_nuevo", Bitmap, {29, 42}, {435, 630}},
    {"filtronuevo2", Bitmap, {16, 24}, {240, 360}},
    {"maneral", Bitmap, {63, 55}, {945, 825}},
    {"dadotrescuartos", Bitmap, {54, 55}, {810, 825}},
    {"puesto", FramedBitmap, {526, 434}, {2025, 1670}},
    {"puesto1", FramedBitmap, {94, 93}, {2280, 2258}},
    {"tuerca", FramedBitmap, {124, 117}, {840, 793}},
    {"tuerca2", Bitmap, {37, 34}, {555, 510}},
    {"botevacio", Bitmap, {42, 53}, {630, 795}},
    {"botelleno", Bitmap, {45, 43}, {675, 645}},
    {"vesmol", Bitmap, {74, 105}, {1110, 1575}},
    {"vesmol_vacio", Bitmap, {39, 55}, {585, 825}},
    {"basura", Bitmap, {34, 35}, {510, 525}},
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
