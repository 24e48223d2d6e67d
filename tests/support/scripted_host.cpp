#include "tests/support/scripted_host.h"

#include <algorithm>

ScriptedHost::ScriptedHost(rt::Form& form)
    : form_(form)
{
    form_.attach(*this);
}

ScriptedHost::~ScriptedHost()
{
    form_.detach();
}

int ScriptedHost::designOrder(const rt::Timer& timer) const
{
    const auto& controls = form_.controls();
    return static_cast<int>(std::find(controls.begin(), controls.end(), &timer) - controls.begin());
}

const rt::Timer* ScriptedHost::nextDue(long long until) const
{
    const rt::Timer* next = nullptr;
    for (const auto& [timer, due] : due_) {
        if (due > until)
            continue;
        if (next == nullptr || due < due_.at(next) || (due == due_.at(next) && designOrder(*timer) < designOrder(*next)))
            next = timer;
    }
    return next;
}

void ScriptedHost::advance(int milliseconds)
{
    const long long until = now_ + milliseconds;
    while (!ended_) {
        const rt::Timer* timer = nextDue(until);
        if (timer == nullptr)
            break;
        now_ = std::max(now_, due_[timer]);
        // Counting from the delivery, not the due time: a late tick comes once, never as a burst.
        due_[timer] = now_ + timer->interval();
        form_.tick(*timer);
    }
    now_ = std::max(now_, until);
}

std::vector<std::string> ScriptedHost::boxTexts() const
{
    std::vector<std::string> texts;
    for (const Box& box : boxes_)
        texts.push_back(box.prompt);
    return texts;
}

int ScriptedHost::showMessageBox(const rt::MessageBox& box)
{
    Answer answer;
    if (!answers_.empty()) {
        answer = std::move(answers_.front());
        answers_.erase(answers_.begin());
    }
    const std::size_t slot = boxes_.size();
    boxes_.push_back({box.prompt, box.buttons, box.title, answer.result});
    ++openBoxes_;
    struct Closing {
        int& open;
        ~Closing() { --open; }
    } closing{openBoxes_};
    const Box opened = boxes_[slot];
    if (onEveryBox_)
        onEveryBox_(opened);
    if (answer.whileOpen)
        answer.whileOpen(opened);
    if (answer.advanceWhileOpen > 0)
        advance(answer.advanceWhileOpen);
    return answer.result;
}

void ScriptedHost::refreshNow(const rt::Control& control)
{
    refreshes_.push_back(control.displayName());
}

void ScriptedHost::startTimer(const rt::Timer& timer)
{
    due_[&timer] = now_ + timer.interval();
}

void ScriptedHost::stopTimer(const rt::Timer& timer)
{
    due_.erase(&timer);
}

void ScriptedHost::end()
{
    ended_ = true;
    due_.clear();
}

void ScriptedHost::fail(const std::string& fault)
{
    fault_ = fault;
    end();
}

HostLent::HostLent(rt::Form& form, rt::Host& owner, rt::Host& borrower)
    : form_(form)
    , owner_(owner)
{
    form_.detach();
    form_.attach(borrower);
}

HostLent::~HostLent()
{
    form_.detach();
    form_.attach(owner_);
}
