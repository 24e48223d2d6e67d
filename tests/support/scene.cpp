#include "tests/support/scene.h"

#include <iterator>

namespace {

std::vector<std::string> tailOf(const std::vector<std::string>& all, std::size_t first)
{
    return {std::next(all.begin(), static_cast<std::ptrdiff_t>(first)), all.end()};
}

} // namespace

std::ostream& operator<<(std::ostream& os, const Look& look)
{
    os << (look.visible ? "shown" : "hidden") << (look.enabled ? " enabled" : " disabled");
    if (!look.text.empty())
        os << " text \"" << look.text << '"';
    if (!look.picture.empty())
        os << " picture " << look.picture;
    if (look.running)
        os << " running";
    return os;
}

Scene sceneOf(const Learner& learner)
{
    Scene scene;
    for (const rt::Control* control : learner.form.controls()) {
        Look look{control->visible(), control->enabled(), {}, {}, false};
        if (const auto* box = dynamic_cast<const rt::TextBox*>(control))
            look.text = box->text();
        if (const auto* box = dynamic_cast<const rt::PictureBox*>(control))
            look.picture = box->picture().key();
        if (const auto* timer = dynamic_cast<const rt::Timer*>(control))
            look.running = learner.host.running(*timer);
        scene[control->displayName()] = look;
    }
    return scene;
}

std::vector<std::string> flagsAndLine(const Learner& learner)
{
    std::vector<std::string> flags;
    for (const rt::Control* control : learner.form.controls())
        flags.push_back(control->displayName() + (control->visible() ? " shown" : " hidden")
                        + (control->enabled() ? " enabled" : " disabled"));
    flags.push_back(learner.text("Txtmensaje"));
    return flags;
}

std::vector<std::string> boxesSince(const Learner& learner, std::size_t from)
{
    return tailOf(learner.host.boxTexts(), from);
}

std::vector<std::string> refreshesSince(const Learner& learner, std::size_t from)
{
    return tailOf(learner.host.refreshes(), from);
}
