#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <string_view>

class QSvgRenderer;

namespace desktop {

// The scene's pictures as pixels. Every source is read once, by load(), before the window is first
// shown, and a missing or broken one is an error there; afterwards nothing here throws, so painting
// cannot fail. Bitmaps are rendered then to opaque images of their pixel size, scaled down from them,
// and drawn anew from their source, still opaque, where shown larger; the drawing stays transparent and
// is rendered at each size asked for. Every result is cached, because the blinking cap repaints many
// times a second.
class PictureCache {
public:
    PictureCache();
    ~PictureCache();

    // Reads and draws every picture; once done, calling it again does nothing. Until then every
    // picture is empty.
    void load();
    PictureCache(const PictureCache&) = delete;
    PictureCache& operator=(const PictureCache&) = delete;

    // The picture at its natural size (15 twips a pixel); empty for a key the scene does not have.
    QPixmap natural(std::string_view key);
    // The picture stretched to the given size, proportions not kept; empty for an unknown key.
    QPixmap stretched(std::string_view key, QSize size);
    // The bitmap as drawn, at its pixel size (empty for the drawing).
    QImage bitmap(std::string_view key) const;

    // The sides the title-bar icon is drawn at, each from a source of its own (<key>_<side>), smallest
    // first: the window carries them all, and the icon theme installs them all.
    static constexpr std::array<int, 2> kWindowIconSides{16, 32};

    // The title-bar icon named by the form, drawn at each of its sides.
    static QIcon windowIcon(std::string_view key);
    // One of its sides, as the window shows it and the icon theme installs it; throws for a side
    // without a source.
    static QImage windowIconImage(std::string_view key, int side);
    // The source of its largest side, the icon theme's scalable one.
    static QString largestWindowIconSource(std::string_view key);

private:
    QPixmap render(std::string_view key, QSize size);

    QHash<QString, std::shared_ptr<QSvgRenderer>> sources_;
    QHash<QString, QImage> bitmaps_;
    QHash<QString, QPixmap> sized_;
};

} // namespace desktop
