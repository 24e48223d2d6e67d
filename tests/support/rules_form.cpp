#include "tests/support/rules_form.h"

#include "tests/support/gestures.h"

#include <array>
#include <map>
#include <stdexcept>
#include <string>

namespace {

using rt::ControlKind;

constexpr std::array kRulesControls = std::to_array<rt::ControlDesign>({
    {.name = "Ok", .kind = ControlKind::CommandButton, .rect = {3000, 0, 600, 300}, .tabIndex = 0, .caption = "&Ok", .isDefault = true},
    {.name = "Quit", .kind = ControlKind::CommandButton, .rect = {3000, 600, 600, 300}, .tabIndex = 1, .caption = "&Quit", .isCancel = true},
    {.name = "Box", .kind = ControlKind::PictureBox, .rect = {0, 0, 300, 300}, .tabIndex = 2},
    {.name = "Text", .kind = ControlKind::TextBox, .rect = {3000, 1200, 600, 300}, .tabIndex = 3},
    {.name = "Tick", .kind = ControlKind::Timer, .visible = false, .enabled = false, .interval = 100},
    {.name = "Front", .kind = ControlKind::Image, .rect = {150, 0, 300, 300}, .picture = "p"},
    {.name = "Back", .kind = ControlKind::Image, .rect = {150, 0, 600, 300}, .picture = "p"},
    {.name = "Hidden", .kind = ControlKind::Image, .rect = {0, 600, 300, 300}, .visible = false, .picture = "p"},
    {.name = "Behind", .kind = ControlKind::Image, .rect = {0, 600, 300, 300}, .picture = "p"},
    {.name = "Disabled", .kind = ControlKind::Image, .rect = {600, 600, 300, 300}, .enabled = false, .picture = "p"},
    {.name = "UnderDisabled", .kind = ControlKind::Image, .rect = {600, 600, 300, 300}, .picture = "p"},
    {.name = "Dragger", .kind = ControlKind::Image, .rect = {0, 1200, 300, 300}, .automaticDrag = true, .picture = "p"},
    {.name = "Stuck", .kind = ControlKind::Image, .rect = {600, 1200, 300, 300}, .enabled = false, .automaticDrag = true, .picture = "p"},
    {.name = "Target", .kind = ControlKind::Image, .rect = {1200, 1200, 300, 300}, .picture = "p"},
    {.name = "Caption", .kind = ControlKind::Label, .rect = {3000, 1800, 600, 300}, .tabIndex = 4, .caption = "x", .autoSize = true},
    {.name = "Bar", .kind = ControlKind::ProgressBar, .rect = {3000, 2400, 600, 300}, .visible = false, .min = 0, .max = 100},
});

const rt::FormDesign kRulesDesign{.caption = "Rules", .clientSize = {4000, 3000}, .controls = kRulesControls};

const char* eventName(rt::Event event)
{
    switch (event) {
    case rt::Event::Click: return "Click";
    case rt::Event::DblClick: return "DblClick";
    case rt::Event::DragOver: return "DragOver";
    case rt::Event::DragDrop: return "DragDrop";
    case rt::Event::Timer: return "Timer";
    }
    return "?";
}

} // namespace

RulesForm::RulesForm()
    : form(kRulesDesign, "rules")
    , host(form)
{
    for (rt::Control* control : form.controls()) {
        for (rt::Event event : {rt::Event::Click, rt::Event::DblClick, rt::Event::DragOver, rt::Event::DragDrop, rt::Event::Timer})
            form.on(*control, event, [this, control, event] { log.push_back(control->name() + "." + eventName(event)); });
    }
}

rt::Control& RulesForm::operator[](const char* name)
{
    rt::Control* control = form.find(name);
    if (control == nullptr)
        throw std::invalid_argument(name);
    return *control;
}

rt::Point RulesForm::at(const char* name)
{
    static const std::map<std::string, rt::Point> spots{
        {"Box", {50, 150}},       {"BoxOverFront", {200, 150}}, {"Front", {400, 150}},
        {"Back", {600, 150}},     {"Hidden", {150, 750}},       {"Disabled", {750, 750}},
        {"Dragger", {150, 1350}}, {"Stuck", {750, 1350}},       {"Target", {1350, 1350}},
        {"Ok", {3300, 150}},      {"Quit", {3300, 750}},        {"Text", {3300, 1350}},
        {"Caption", {3300, 1950}}, {"Nothing", {2000, 2500}},
    };
    return spots.at(name);
}

void RulesForm::clickAt(rt::Point p)
{
    ::clickAt(form, p);
}

void RulesForm::doubleClickAt(rt::Point p)
{
    ::doubleClickAt(form, p);
}

void RulesForm::drag(rt::Point from, rt::Point to)
{
    dragFromTo(form, from, to);
}
