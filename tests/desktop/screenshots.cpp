// Writes screenshots of the window, offscreen, for a look by eye: the start, every picture shown,
// the picture boxes with their copies, the hood open; each also enlarged three times, pixel for pixel,
// to judge the small pictures. Also says how long the pictures take to load.
// usage: vesmol_screenshots FOLDER

#include "tests/desktop/desktop_driver.h"

#include "window/desktop/picture_cache.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>
#include <utility>

namespace {

struct Scene {
    const char* file;
    std::function<void(Form1&)> arrange;
};

const Scene kScenes[] = {
    {"start", [](Form1&) {}},
    {"all-pictures",
     [](Form1& form) {
         for (rt::Control* control : form.controls()) {
             if (control->kind() == rt::ControlKind::Image)
                 control->setVisible(true);
         }
     }},
    {"picture-boxes",
     [](Form1& form) {
         form.Picguardar1.setPicture(form.Imgtapon.picture());
         form.Picguardar2.setPicture(form.Imgtuerca.picture());
         form.Picguardar3.setPicture(form.Imgpuesto.picture());
         form.Picmuestra.setPicture(form.Imgbotelleno.picture());
         for (rt::PictureBox* box : {&form.Picguardar1, &form.Picguardar2, &form.Picguardar3, &form.Picmuestra})
             box->setVisible(true);
     }},
    {"hood-open",
     [](Form1& form) {
         form.Imgcofre.setVisible(true);
         form.Imgfiltro_viejo1.setVisible(true);
         form.Imgtapon.setVisible(true);
     }},
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot make the folder %s\n", argv[1]);
        return 1;
    }

    QElapsedTimer elapsed;
    elapsed.start();
    { desktop::PictureCache().load(); }
    std::printf("pictures loaded in %lld ms\n", static_cast<long long>(elapsed.elapsed()));

    for (const Scene& scene : kScenes) {
        ShownWindow shown;
        scene.arrange(shown.form);
        const QImage seen = shown.grab();
        const QString name = QString::fromUtf8(scene.file);
        const QImage enlarged = seen.scaled(seen.size() * 3, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        for (const auto& [path, image] : {std::pair{folder.filePath(name + ".png"), seen},
                                          std::pair{folder.filePath(name + "-3x.png"), enlarged}}) {
            if (!image.save(path, "PNG")) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
                return 1;
            }
            std::printf("%s\n", qPrintable(path));
        }
    }
    return 0;
}
