#pragma once

#include "window/runtime/form.h"

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A host for tests: a virtual clock in place of real time, message boxes answered by script.
//
// advance(ms) delivers every tick that falls due, in time order. Ticks due at the same moment come in
// design-table order of their timers. A box opened by a procedure takes the next scripted answer
// (OK when none is left); an answer may first advance the clock while the box is open, so timer
// procedures run nested inside it exactly as in the desktop's nested loop.
class ScriptedHost : public rt::Host {
public:
    struct Box {
        std::string prompt;
        int buttons = rt::vbOKOnly;
        std::string title;
        int answer = rt::vbOK;
    };

    struct Answer {
        int result = rt::vbOK;
        int advanceWhileOpen = 0;                       // milliseconds
        std::function<void(const Box&)> whileOpen{};    // looks at the scene behind the box
    };

    explicit ScriptedHost(rt::Form& form);
    ~ScriptedHost() override;

    long long now() const { return now_; }
    void advance(int milliseconds);
    bool running(const rt::Timer& timer) const { return due_.contains(&timer); }

    void answerNext(Answer answer) { answers_.push_back(std::move(answer)); }
    // Called as each box opens, before its answer is given.
    void onEveryBox(std::function<void(const Box&)> look) { onEveryBox_ = std::move(look); }
    const std::vector<Box>& boxes() const { return boxes_; }
    std::vector<std::string> boxTexts() const;
    int openBoxes() const { return openBoxes_; }

    const std::vector<std::string>& refreshes() const { return refreshes_; }
    const rt::Control* lastFocused() const { return focused_; }
    const rt::Control* lastSelected() const { return selected_; }
    // The drag outline the host was last told to draw; none once a drag has ended.
    const std::optional<rt::Rect>& dragOutline() const { return dragOutline_; }
    bool ended() const { return ended_; }
    // The fault that ended the program, empty when it ended normally or goes on.
    const std::string& fault() const { return fault_; }

    int showMessageBox(const rt::MessageBox& box) override;
    void controlChanged(const rt::Control&) override {}
    void refreshNow(const rt::Control& control) override;
    void startTimer(const rt::Timer& timer) override;
    void stopTimer(const rt::Timer& timer) override;
    void focusChanged(const rt::Control& control) override { focused_ = &control; }
    void textSelected(const rt::Control& textBox) override { selected_ = &textBox; }
    void dragChanged(const std::optional<rt::Rect>& outline) override { dragOutline_ = outline; }
    void end() override;
    void fail(const std::string& fault) override;

private:
    const rt::Timer* nextDue(long long until) const;
    int designOrder(const rt::Timer& timer) const;

    rt::Form& form_;
    long long now_ = 0;
    std::map<const rt::Timer*, long long> due_;
    std::vector<Answer> answers_;
    std::vector<Box> boxes_;
    std::function<void(const Box&)> onEveryBox_;
    std::vector<std::string> refreshes_;
    const rt::Control* focused_ = nullptr;
    const rt::Control* selected_ = nullptr;
    int openBoxes_ = 0;
    std::optional<rt::Rect> dragOutline_;
    bool ended_ = false;
    std::string fault_;
};

// Lends the form to another host for a while; the form's own host takes it back at the end of scope.
class HostLent {
public:
    HostLent(rt::Form& form, rt::Host& owner, rt::Host& borrower);
    ~HostLent();
    HostLent(const HostLent&) = delete;
    HostLent& operator=(const HostLent&) = delete;

private:
    rt::Form& form_;
    rt::Host& owner_;
};
