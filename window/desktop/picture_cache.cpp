#include "window/desktop/picture_cache.h"

#include "assets/picture_table.h"
#include "window/runtime/geometry.h"

#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>
#include <string>

namespace desktop {

namespace {

QString keyOf(std::string_view key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString sourceOf(std::string_view key)
{
    return QStringLiteral(":/pictures/%1.svg").arg(keyOf(key));
}

// The title-bar icon has a source of its own for each side it is drawn at.
std::string iconSideKey(std::string_view key, int side)
{
    return std::string(key) + "_" + std::to_string(side);
}

std::shared_ptr<QSvgRenderer> loadSource(std::string_view key)
{
    const QString source = sourceOf(key);
    auto renderer = std::make_shared<QSvgRenderer>(source);
    if (!renderer->isValid())
        throw std::runtime_error("picture source missing or broken: " + source.toStdString());
    return renderer;
}

QImage renderSvg(QSvgRenderer& renderer, QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QSize naturalPixelsOf(const assets::PictureAsset& asset)
{
    return {rt::pixelsFromTwips(asset.natural.width), rt::pixelsFromTwips(asset.natural.height)};
}

} // namespace

PictureCache::PictureCache() = default;

void PictureCache::load()
{
    if (!sources_.isEmpty())
        return;
    for (const assets::PictureAsset& asset : assets::pictureTable()) {
        const QString key = keyOf(asset.key);
        auto source = loadSource(asset.key);
        // RGB32 has no alpha: the ground colour is part of the bitmap and nothing behind shows through.
        if (asset.kind != assets::PictureKind::Drawing)
            bitmaps_.insert(key, renderSvg(*source, {asset.pixels.width, asset.pixels.height}, QImage::Format_RGB32));
        sources_.insert(key, std::move(source));
    }
}

PictureCache::~PictureCache() = default;

QImage PictureCache::bitmap(std::string_view key) const
{
    return bitmaps_.value(keyOf(key));
}

QPixmap PictureCache::natural(std::string_view key)
{
    const assets::PictureAsset* asset = assets::findPicture(key);
    return asset == nullptr ? QPixmap() : render(key, naturalPixelsOf(*asset));
}

QPixmap PictureCache::stretched(std::string_view key, QSize size)
{
    return render(key, size);
}

QPixmap PictureCache::render(std::string_view key, QSize size)
{
    const QString cacheKey = QStringLiteral("%1@%2x%3").arg(keyOf(key)).arg(size.width()).arg(size.height());
    auto found = sized_.constFind(cacheKey);
    if (found != sized_.constEnd())
        return *found;

    // A bitmap is scaled down from its pixels; shown larger than them, it is drawn anew from its source
    // at that size, still opaque, because scaling the few pixels up would blur it.
    const auto source = sources_.value(keyOf(key));
    if (source == nullptr)
        return {};  // not loaded yet, or a key the scene does not have: nothing to keep
    QPixmap pixmap;
    const QImage drawn = bitmaps_.value(keyOf(key));
    if (!drawn.isNull() && drawn.width() >= size.width() && drawn.height() >= size.height())
        pixmap = QPixmap::fromImage(drawn.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
        pixmap = QPixmap::fromImage(renderSvg(*source, size, drawn.isNull() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32));
    sized_.insert(cacheKey, pixmap);
    return pixmap;
}

QIcon PictureCache::windowIcon(std::string_view key)
{
    QIcon icon;
    for (int side : kWindowIconSides)
        icon.addPixmap(QPixmap::fromImage(windowIconImage(key, side)));
    return icon;
}

QString PictureCache::largestWindowIconSource(std::string_view key)
{
    return sourceOf(iconSideKey(key, kWindowIconSides.back()));
}

QImage PictureCache::windowIconImage(std::string_view key, int side)
{
    const auto source = loadSource(iconSideKey(key, side));
    return renderSvg(*source, {side, side}, QImage::Format_ARGB32_Premultiplied);
}

} // namespace desktop
