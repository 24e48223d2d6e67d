#pragma once

#include "../runtime/host.h"
#include "picture_cache.h"

#include <functional>
#include <memory>
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
    // By default the end of the program ends the process at once; tests pass their own.
    explicit QtHost(rt::Form& form, std::function<void()> endProgram = {});
    ~QtHost() override;

    // Shows the window with the focus where the runtime has it.
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
    void dragChanged() override;
    void end() override;

private:
    QTimer& timerFor(const rt::Timer& timer);

    rt::Form& form_;
    std::function<void()> endProgram_;
    PictureCache pictures_;
    std::unique_ptr<FormWidget> window_;
    std::unordered_map<const rt::Timer*, QTimer*> timers_;
};

} // namespace desktop
