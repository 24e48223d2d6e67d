#include "window/desktop/session.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

namespace desktop {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// A display the environment names, and the Qt platform plugin that opens it.
struct NamedDisplay {
    std::string what;       // "the X display :0", "the Wayland display wayland-0", ...
    std::string platform;   // as Qt names the plugin
    std::string package;    // the Debian package with the plugin, empty when there is none
};

std::vector<NamedDisplay> displaysNamed()
{
    std::vector<NamedDisplay> named;
    if (const std::string x = environment("DISPLAY"); !x.empty())
        named.push_back({"the X display " + x, "xcb", "libqt6gui6"});
    if (const std::string wayland = environment("WAYLAND_DISPLAY"); !wayland.empty())
        named.push_back({"the Wayland display " + wayland, "wayland", "qt6-wayland"});
    if (const std::string platform = environment("QT_QPA_PLATFORM"); !platform.empty())
        named.push_back({"the Qt platform " + platform, platform, ""});
    return named;
}

void say(const std::string& what, const char* program)
{
    std::fprintf(stderr, "%s: %s; run it under a virtual one: xvfb-run -a %s (Debian packages xvfb xauth)\n",
                 qPrintable(QCoreApplication::applicationName()), what.c_str(), program);
}

// Why Qt could not open any of the displays: the ones it has no plugin for, from what it wrote while
// trying, and the ones it had a plugin for but could not open.
std::string whyNotOpened(const std::string& written)
{
    std::string cannotOpen;
    std::string noPlugin;
    for (const NamedDisplay& display : displaysNamed()) {
        if (written.find("Could not find the Qt platform plugin \"" + display.platform + "\"") != std::string::npos) {
            noPlugin += (noPlugin.empty() ? "" : " or ") + display.what;
            if (!display.package.empty())
                noPlugin += " (Debian package " + display.package + ")";
        } else {
            cannotOpen += (cannotOpen.empty() ? "" : " or ") + display.what;
        }
    }
    std::string why;
    if (!cannotOpen.empty())
        why = "cannot open " + cannotOpen;
    if (!noPlugin.empty())
        why += (why.empty() ? "" : ", and ") + ("Qt has no plugin for " + noPlugin);
    return why;
}

// While the display is being opened, everything written on stderr is held back: Qt's messages and
// the lines the display libraries print themselves. On success it is passed on; on failure one line
// says why instead.
class HeldStderr {
public:
    HeldStderr()
        : held_(std::tmpfile())
    {
        std::fflush(stderr);
        if (held_ != nullptr)
            saved_ = dup(STDERR_FILENO);
        if (saved_ >= 0)
            dup2(fileno(held_), STDERR_FILENO);
    }

    ~HeldStderr()
    {
        std::fputs(release().c_str(), stderr);
        if (held_ != nullptr)
            std::fclose(held_);
    }

    HeldStderr(const HeldStderr&) = delete;
    HeldStderr& operator=(const HeldStderr&) = delete;

    // Puts stderr back and returns what was written on it meanwhile.
    std::string release()
    {
        if (saved_ < 0)
            return {};
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
        std::string written;
        std::rewind(held_);
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, held_)) > 0;)
            written.append(chunk, n);
        return written;
    }

private:
    std::FILE* held_;
    int saved_ = -1;
};

const char* programBeingOpened = "";
HeldStderr* heldWhileOpening = nullptr;
QtMessageHandler qtsOwnHandler = nullptr;

// Qt's fatal error, after which it would abort, becomes one line and a plain failure status.
void whileOpening(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        say(whyNotOpened(heldWhileOpening->release()), programBeingOpened);
        std::_Exit(EXIT_FAILURE);
    }
    if (qtsOwnHandler != nullptr)
        qtsOwnHandler(type, context, message);
}

} // namespace

std::unique_ptr<QApplication> openDesktop(const char* program)
{
    if (displaysNamed().empty()) {
        say("no display to open the window on", program);
        return nullptr;
    }
    // Without a session bus, the bus library would start a daemon of its own that outlives the program.
    if (environment("DBUS_SESSION_BUS_ADDRESS").empty())
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    // Qt is given the program's name alone: the program reads no command line, Qt's options included.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(program), nullptr};

    programBeingOpened = program;
    HeldStderr held;
    heldWhileOpening = &held;
    qtsOwnHandler = qInstallMessageHandler(whileOpening);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(qtsOwnHandler);
    heldWhileOpening = nullptr;
    return app;
}

} // namespace desktop
