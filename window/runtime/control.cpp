#include "window/runtime/control.h"

#include "window/runtime/errors.h"
#include "window/runtime/form.h"

#include <stdexcept>

namespace rt {

Control::Control(Form& form, const ControlDesign& design)
    : form_(form)
    , name_(design.name)
    , index_(design.index)
    , kind_(design.kind)
    , rect_(design.rect)
    , tabIndex_(design.tabIndex)
    , automaticDrag_(design.automaticDrag)
    , visible_(design.visible)
    , enabled_(design.enabled)
{
}

void Control::setVisible(bool visible)
{
    if (visible_ == visible)
        return;
    visible_ = visible;
    changed();
}

void Control::setEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    enabledChanged();
    changed();
}

bool Control::windowed() const
{
    switch (kind_) {
    case ControlKind::PictureBox:
    case ControlKind::TextBox:
    case ControlKind::CommandButton:
    case ControlKind::ProgressBar:
        return true;
    case ControlKind::Image:
    case ControlKind::Label:
    case ControlKind::Timer:
        return false;
    }
    return false;
}

bool Control::canTakeFocus() const
{
    return kind_ == ControlKind::TextBox || kind_ == ControlKind::CommandButton || kind_ == ControlKind::PictureBox;
}

std::string Control::displayName() const
{
    return index_ < 0 ? name_ : name_ + "(" + std::to_string(index_) + ")";
}

void Control::changed()
{
    form_.controlChanged(*this);
}

Image::Image(Form& form, const ControlDesign& design)
    : Control(form, design)
    , picture_(design.picture)
    , stretch_(design.stretch)
{
}

void Image::Refresh()
{
    form().refreshNow(*this);
}

void PictureBox::setPicture(const Picture& picture)
{
    picture_ = picture;
    changed();
}

TextBox::TextBox(Form& form, const ControlDesign& design)
    : Control(form, design)
    , text_(design.text)
{
}

void TextBox::setText(const std::string& text)
{
    if (text_ == text)
        return;
    text_ = text;
    changed();
}

void TextBox::focusAndSelectAll()
{
    form().focusAndSelect(*this);
}

Label::Label(Form& form, const ControlDesign& design)
    : Control(form, design)
    , caption_(design.caption)
    , foreColor_(design.foreColor)
    , autoSize_(design.autoSize)
{
}

void Label::fitCaption(Size measured)
{
    if (autoSize_)
        resize(measured);
}

CommandButton::CommandButton(Form& form, const ControlDesign& design)
    : Control(form, design)
    , caption_(design.caption)
    , isDefault_(design.isDefault)
    , isCancel_(design.isCancel)
{
}

Timer::Timer(Form& form, const ControlDesign& design)
    : Control(form, design)
    , interval_(design.interval)
{
    if (interval_ <= 0)
        throw std::invalid_argument("timer " + std::string(design.name) + " needs an interval");
}

void Timer::enabledChanged()
{
    form().timerEnabledChanged(*this);
}

ProgressBar::ProgressBar(Form& form, const ControlDesign& design)
    : Control(form, design)
    , min_(design.min)
    , max_(design.max)
    , value_(design.min)
{
}

void ProgressBar::setValue(float value)
{
    if (value < min_ || value > max_)
        throw RunTimeError(kErrorInvalidPropertyValue, "El valor de la propiedad no es válido");
    if (value_ == value)
        return;
    value_ = value;
    changed();
}

void ProgressBar::setActive(bool active)
{
    if (active_ == active)
        return;
    active_ = active;
    changed();
}

} // namespace rt
