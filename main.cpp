#include "window/desktop/session.h"
#include "window/desktop/spanish.h"
#include "window/form1.h"
#include "window/workshop.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int, char* argv[])
{
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    // Wayland desktops take the window's icon and name from the desktop entry its application id names.
    QApplication::setDesktopFileName(QStringLiteral(VESMOL_DESKTOP_ENTRY));
    const auto app = desktop::openDesktop(argv[0]);
    if (app == nullptr)
        return 1;
    desktop::useSpanish(*app);
    try {
        Workshop workshop;
        workshop.start();
        return QApplication::exec();
    } catch (const std::exception& error) {
        // Only start-up can get here (a broken picture source, say): every event stops at the form.
        std::fprintf(stderr, "%s: cannot start: %s\n", kApplicationTitle, error.what());
        return 1;
    }
}
