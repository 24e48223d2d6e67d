#include "window/desktop/session.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace desktop {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// "the X display :0", "the Wayland display wayland-0", ... as the environment names them.
std::string displaysNamed()
{
    std::string named;
    for (const auto& [variable, what] : {std::pair{"DISPLAY", "the X display "},
                                         std::pair{"WAYLAND_DISPLAY", "the Wayland display "},
                                         std::pair{"QT_QPA_PLATFORM", "the Qt platform "}}) {
        if (const std::string value = environment(variable); !value.empty())
            named += (named.empty() ? "" : " or ") + (what + value);
    }
    return named;
}

void sayCannotOpen(const std::string& what, const char* program)
{
    std::fprintf(stderr, "%s: %s; run it under a virtual one: xvfb-run -a %s\n",
                 qPrintable(QCoreApplication::applicationName()), what.c_str(), program);
}

// While the display is being opened, Qt's messages are held back; its fatal error, after which it
// would abort, becomes one line and a plain failure status instead.
const char* programBeingOpened = "";
std::vector<std::pair<QtMsgType, QString>> heldBack;

void whileOpening(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        sayCannotOpen("cannot open " + displaysNamed(), programBeingOpened);
        std::_Exit(EXIT_FAILURE);
    }
    heldBack.emplace_back(type, message);
}

} // namespace

std::unique_ptr<QApplication> openDesktop(int& argc, char** argv)
{
    if (displaysNamed().empty()) {
        sayCannotOpen("no display to open the window on", argv[0]);
        return nullptr;
    }
    // Without a session bus, the bus library would start a daemon of its own that outlives the program.
    if (environment("DBUS_SESSION_BUS_ADDRESS").empty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    programBeingOpened = argv[0];
    const QtMessageHandler previous = qInstallMessageHandler(whileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const auto& [type, message] : std::exchange(heldBack, {}))
        qt_message_output(type, QMessageLogContext(), message);
    return app;
}

} // namespace desktop
