#include "window/desktop/session.h"
#include "window/desktop/spanish.h"
#include "window/workshop.h"

#include <QApplication>

#include <cstdio>
#include <exception>

int main(int, char* argv[])
{
    // The desktop entry's name is the window's class on X and its application id on Wayland, by which
    // desktops find the entry's icon and name for it.
    QApplication::setApplicationName(QStringLiteral(VESMOL_DESKTOP_ENTRY));
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
        std::fprintf(stderr, "%s: cannot start: %s\n", qPrintable(QApplication::applicationName()), error.what());
        return 1;
    }
}
