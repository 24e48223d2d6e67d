#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <string_view>

namespace desktop {

// The scene's pictures as pixels. Bitmaps are rendered once, at start, to opaque images of their pixel
// size; the drawing stays vector and is rendered at each size asked for. Every result is cached,
// because the blinking cap repaints many times a second.
class PictureCache {
public:
    PictureCache();

    // The picture at its natural size (15 twips a pixel).
    QPixmap natural(std::string_view key);
    // The picture stretched to the given size, proportions not kept.
    QPixmap stretched(std::string_view key, QSize size);
    // The bitmap as drawn, at its pixel size (empty for the drawing).
    QImage bitmap(std::string_view key) const;

    // The title-bar icon named by the form, drawn at 16 and 32 pixels (sources <key>_16 and <key>_32).
    static QIcon windowIcon(std::string_view key);

private:
    QPixmap render(std::string_view key, QSize size);

    QHash<QString, QImage> bitmaps_;
    QHash<QString, QPixmap> sized_;
};

} // namespace desktop
