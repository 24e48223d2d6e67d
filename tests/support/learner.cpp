#include "tests/support/learner.h"

#include "procedure/event_table.h"
#include "tests/support/gestures.h"

#include <stdexcept>

Learner::Learner()
    : host(form)
{
    connectEventProcedures(form);
}

void Learner::startProgram()
{
    form.Load();
}

namespace {

template <class Control>
Control& named(Control* found, std::string_view name)
{
    if (found == nullptr)
        throw std::invalid_argument("no control " + std::string(name));
    return *found;
}

} // namespace

rt::Control& Learner::control(std::string_view name, int index)
{
    return named(form.find(name, index), name);
}

const rt::Control& Learner::control(std::string_view name, int index) const
{
    return named(form.find(name, index), name);
}

rt::Point Learner::spotOf(std::string_view name, int index) const
{
    const rt::Control& target = control(name, index);
    const rt::Rect& r = target.rect();
    for (int y = r.top + rt::kTwipsPerPixel / 2; y < r.top + r.height; y += rt::kTwipsPerPixel) {
        for (int x = r.left + rt::kTwipsPerPixel / 2; x < r.left + r.width; x += rt::kTwipsPerPixel) {
            if (form.hitTest({x, y}) == &target)
                return {x, y};
        }
    }
    return r.centre();
}

bool Learner::canBeHit(std::string_view name, int index) const
{
    return form.hitTest(spotOf(name, index)) == &control(name, index);
}

void Learner::clickAt(rt::Point at)
{
    ::clickAt(form, at);
}

void Learner::doubleClickAt(rt::Point at)
{
    ::doubleClickAt(form, at);
}

void Learner::dragFromTo(rt::Point from, rt::Point to)
{
    ::dragFromTo(form, from, to);
}

void Learner::click(std::string_view name, int index)
{
    clickAt(spotOf(name, index));
}

void Learner::dblClick(std::string_view name, int index)
{
    doubleClickAt(spotOf(name, index));
}

void Learner::drag(std::string_view from, std::string_view to)
{
    dragFromTo(spotOf(from), spotOf(to));
}

void Learner::type(std::string_view textBox, const std::string& text)
{
    form.control<rt::TextBox>(textBox).setText(text);
}

std::string Learner::text(std::string_view textBox) const
{
    return form.control<rt::TextBox>(textBox).text();
}
