#pragma once

#include "window/runtime/geometry.h"

#include <span>
#include <string_view>

namespace assets {

enum class PictureKind {
    Bitmap,        // opaque; natural size 15 twips a pixel
    FramedBitmap,  // opaque; scaled to fill a frame of the given natural size
    Drawing,       // vector shapes, transparent where nothing is drawn
};

struct PictureAsset {
    std::string_view key;  // also the SVG source's name: pictures/<key>.svg
    PictureKind kind;
    rt::Size pixels;       // the bitmap's size; for the drawing, the size its source is drawn at
    rt::Size natural;      // twips: the size at which the picture shows when it is not stretched
};

// The scene's twenty different pictures (the five bottles share one).
std::span<const PictureAsset> pictureTable();
const PictureAsset* findPicture(std::string_view key);

} // namespace assets
