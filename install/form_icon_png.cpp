// Writes the form's icon at one size as a PNG for the icon theme: the very image the window shows.
// usage: vesmol_form_icon_png SIDE OUT.png
#include "window/desktop/picture_cache.h"
#include "window/form1_design.h"

#include <QImage>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <exception>

int main(int argc, char* argv[])
{
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side <= 0) {
        std::fprintf(stderr, "usage: %s SIDE OUT.png\n", argv[0]);
        return 2;
    }
    try {
        const QImage icon = desktop::PictureCache::windowIconImage(form1Design().icon, side);
        if (!icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[2]);
            return 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
