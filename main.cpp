#include "procedure/event_table.h"
#include "window/desktop/qt_host.h"
#include "window/desktop/spanish.h"
#include "window/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool haveDisplay()
{
    auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!haveDisplay()) {
        std::fprintf(stderr, "vesmol: no display to open the window on; run it under a virtual one: xvfb-run -a %s\n", argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(kApplicationTitle));
    desktop::useSpanish(app);

    Form1 form;
    connectEventProcedures(form);
    desktop::QtHost host(form);
    form.Load();
    host.show();
    return QApplication::exec();
}
