#include "window/desktop/pointer_trail.h"

#include <algorithm>

namespace desktop {

namespace {

// Events the toolkit never hands on (those while a box is open, say) are not kept for ever.
constexpr std::size_t kMostKept = 1024;

} // namespace

void PointerTrail::entered()
{
    onWindow_ = true;
}

void PointerTrail::left(bool byMoving)
{
    onWindow_ = false;
    leftSinceReported_ = leftSinceReported_ || byMoving;
}

void PointerTrail::reported(Action action, std::uint32_t time)
{
    reported_.push_back({action, time, {onWindow_, leftSinceReported_}});
    leftSinceReported_ = false;
    if (reported_.size() > kMostKept) {
        // A leaving not yet told (a judged event has told its own) still counts for the next event.
        const bool left = reported_.front().judgement.leftBefore;
        reported_.pop_front();
        frontJudged_ = false;
        reported_.front().judgement.leftBefore = reported_.front().judgement.leftBefore || left;
    }
}

PointerTrail::Judgement PointerTrail::judge(Action action, std::uint32_t time, bool secondPressOfDoubleClick)
{
    if (secondPressOfDoubleClick && frontJudged_ && reported_.front().action == Action::Press
        && reported_.front().time == time)
        return reported_.front().judgement;

    const auto from = reported_.begin() + (frontJudged_ ? 1 : 0);
    const auto found = std::find_if(from, reported_.end(), [&](const Reported& r) {
        return r.action == action && r.time == time;
    });
    if (found == reported_.end())
        return {frontJudged_ ? reported_.front().judgement.onWindow : onWindow_, false};

    // Whatever lies between the last judged event and this one was never handed on: only a leaving
    // among it still matters.
    bool leftBefore = false;
    for (auto it = from; it != found; ++it)
        leftBefore = leftBefore || it->judgement.leftBefore;
    reported_.erase(reported_.begin(), found);
    frontJudged_ = true;
    Judgement& judged = reported_.front().judgement;
    judged.leftBefore = judged.leftBefore || leftBefore;
    const Judgement result = judged;
    // Told once: the second press of a double-click, judged again, has left nothing since.
    judged.leftBefore = false;
    return result;
}

} // namespace desktop
