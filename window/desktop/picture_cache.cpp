#include "picture_cache.h"

#include "../../assets/picture_table.h"
#include "../runtime/geometry.h"

#include <QIcon>
#include <QPainter>
#include <QSvgRenderer>

#include <stdexcept>

namespace desktop {

namespace {

QString sourceOf(std::string_view key)
{
    return QStringLiteral(":/pictures/%1.svg").arg(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

const assets::PictureAsset& assetOf(std::string_view key)
{
    const assets::PictureAsset* asset = assets::findPicture(key);
    if (asset == nullptr)
        throw std::invalid_argument("the scene has no picture " + std::string(key));
    return *asset;
}

QImage renderSvg(std::string_view key, QSize size, QImage::Format format)
{
    QSvgRenderer renderer(sourceOf(key));
    if (!renderer.isValid())
        throw std::runtime_error("picture source missing or broken: " + sourceOf(key).toStdString());
    QImage image(size, format);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QSize pixelsOf(rt::Size size)
{
    return {size.width, size.height};
}

QSize naturalPixelsOf(const assets::PictureAsset& asset)
{
    return {rt::pixelsFromTwips(asset.natural.width), rt::pixelsFromTwips(asset.natural.height)};
}

} // namespace

PictureCache::PictureCache()
{
    for (const assets::PictureAsset& asset : assets::pictureTable()) {
        if (asset.kind == assets::PictureKind::Drawing)
            continue;
        // RGB32 has no alpha: the ground colour is part of the bitmap and nothing behind shows through.
        bitmaps_.insert(QString::fromUtf8(asset.key.data(), static_cast<qsizetype>(asset.key.size())),
                        renderSvg(asset.key, pixelsOf(asset.pixels), QImage::Format_RGB32));
    }
}

QImage PictureCache::bitmap(std::string_view key) const
{
    return bitmaps_.value(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
}

QPixmap PictureCache::natural(std::string_view key)
{
    return render(key, naturalPixelsOf(assetOf(key)));
}

QPixmap PictureCache::stretched(std::string_view key, QSize size)
{
    return render(key, size);
}

QPixmap PictureCache::render(std::string_view key, QSize size)
{
    const QString cacheKey = QStringLiteral("%1@%2x%3")
                                 .arg(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())))
                                 .arg(size.width())
                                 .arg(size.height());
    auto found = sized_.constFind(cacheKey);
    if (found != sized_.constEnd())
        return *found;

    const assets::PictureAsset& asset = assetOf(key);
    QPixmap pixmap;
    if (asset.kind == assets::PictureKind::Drawing)
        pixmap = QPixmap::fromImage(renderSvg(key, size, QImage::Format_ARGB32_Premultiplied));
    else
        pixmap = QPixmap::fromImage(bitmap(key).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    sized_.insert(cacheKey, pixmap);
    return pixmap;
}

QIcon PictureCache::windowIcon(std::string_view key)
{
    QIcon icon;
    for (int side : {16, 32}) {
        const std::string source = std::string(key) + "_" + std::to_string(side);
        icon.addPixmap(QPixmap::fromImage(renderSvg(source, {side, side}, QImage::Format_ARGB32_Premultiplied)));
    }
    return icon;
}

} // namespace desktop
