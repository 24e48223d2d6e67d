#pragma once

#include "window/desktop/picture_cache.h"
#include "window/runtime/host.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

class QTimer;

namespace rt {
class Form;
}

namespace desktop {

class FormWidget;

// Runs a runtime form on the Qt desktop: the window, message boxes with their nested event loops
// (in which timers keep firing), precise timers, and the end of the program.
class QtHost : public rt::Host {
public:
    // How the program ends: status 0 after End or the window closed, 1 after a fault. The program's
    // own way ends the process at once; tests pass their own.
    using EndProgram = std::function<void(int status)>;
    static void exitProcess(int status);

    explicit QtHost(rt::Form& form, EndProgram endProgram = exitProcess);
    ~QtHost() override;
    QtHost(const QtHost&) = delete;
    QtHost& operator=(const QtHost&) = delete;

    // Reads the pictures, then shows the window with the focus where the runtime has it.
    void show();
    FormWidget& window() const { return *window_; }
    PictureCache& pictures() { return pictures_; }

    int showMessageBox(const rt::MessageBox& box) override;
    void controlChanged(const rt::Control& control) override;
    void refreshNow(const rt::Control& control) override;
    void startTimer(const rt::Timer& timer) override;
    void stopTimer(const rt::Timer& timer) override;
    void focusChanged(const rt::Control& control) override;
    void textSelected(const rt::Control& textBox) override;
    void dragChanged(const std::optional<rt::Rect>& outline) override;
    void end() override;
    void fail(const std::string& fault) override;

private:
    QTimer& timerFor(const rt::Timer& timer);
    void stopTimers();

    rt::Form& form_;
    EndProgram endProgram_;
    PictureCache pictures_;
    std::unique_ptr<FormWidget> window_;  // owns the timers too
    std::unordered_map<const rt::Timer*, QTimer*> timers_;
};

} // namespace desktop
