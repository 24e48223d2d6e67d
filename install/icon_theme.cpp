// Writes the form's icon as the icon theme holds it, under the desktop entry's name: a PNG of each
// side the window carries (the very image it shows), and the largest side's source as the scalable one.
// usage: vesmol_icon_theme FOLDER NAME
#include "window/desktop/picture_cache.h"
#include "window/form1_design.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>
#include <exception>

namespace {

// FOLDER/SUBFOLDER/apps/NAME.EXTENSION, its folders made.
QString placeFor(const QString& folder, const QString& subfolder, const QString& name, const char* extension)
{
    const QString apps = folder + "/" + subfolder + "/apps";
    QDir().mkpath(apps);
    return apps + "/" + name + "." + extension;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s FOLDER NAME\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const char* icon = form1Design().icon;
    try {
        // Anew each time: a side no longer drawn leaves no file behind.
        QDir(folder).removeRecursively();
        for (int side : desktop::PictureCache::kWindowIconSides) {
            const QString png = placeFor(folder, QStringLiteral("%1x%1").arg(side), name, "png");
            if (!desktop::PictureCache::windowIconImage(icon, side).save(png, "PNG")) {
                std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(png));
                return 1;
            }
        }
        const QString svg = placeFor(folder, QStringLiteral("scalable"), name, "svg");
        // Copied out of the program's resources, which are read-only, then made writable as a file.
        if (!QFile::copy(desktop::PictureCache::largestWindowIconSource(icon), svg)
            || !QFile::setPermissions(svg, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(svg));
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
