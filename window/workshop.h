#pragma once

#include "window/desktop/qt_host.h"
#include "window/form1.h"

#include <memory>

// The program's one window on the desktop: Form1 with its event procedures wired, and the host that
// shows it. The form comes first and goes last: the host holds on to it until its own end.
class Workshop {
public:
    explicit Workshop(desktop::QtHost::EndProgram endProgram = desktop::QtHost::exitProcess);
    ~Workshop();
    Workshop(const Workshop&) = delete;
    Workshop& operator=(const Workshop&) = delete;

    Form1& form() { return form_; }
    desktop::QtHost& host() { return *host_; }
    const desktop::QtHost& host() const { return *host_; }

    // Start-up: the window's Load with its three boxes, then the window shown.
    void start();

private:
    Form1 form_;
    std::unique_ptr<desktop::QtHost> host_;
};
