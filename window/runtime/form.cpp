#include "window/runtime/form.h"

#include "window/runtime/errors.h"

#include <algorithm>

namespace rt {

namespace {

std::unique_ptr<Control> makeControl(Form& form, const ControlDesign& design)
{
    switch (design.kind) {
    case ControlKind::Image:
        return std::make_unique<Image>(form, design);
    case ControlKind::Label:
        return std::make_unique<Label>(form, design);
    case ControlKind::PictureBox:
        return std::make_unique<PictureBox>(form, design);
    case ControlKind::TextBox:
        return std::make_unique<TextBox>(form, design);
    case ControlKind::CommandButton:
        return std::make_unique<CommandButton>(form, design);
    case ControlKind::Timer:
        return std::make_unique<Timer>(form, design);
    case ControlKind::ProgressBar:
        return std::make_unique<ProgressBar>(form, design);
    }
    throw std::invalid_argument("unknown control kind");
}

bool canBeFocused(const Control& control)
{
    return control.canTakeFocus() && control.reachable();
}

} // namespace

Form::Form(const FormDesign& design, std::string applicationTitle)
    : caption_(design.caption)
    , clientSize_(design.clientSize)
    , applicationTitle_(std::move(applicationTitle))
    , icon_(design.icon)
{
    for (const ControlDesign& row : design.controls) {
        if (find(row.name, row.index) != nullptr)
            throw std::invalid_argument("control " + std::string(row.name) + " is designed twice");
        owned_.push_back(makeControl(*this, row));
        order_.push_back(owned_.back().get());
    }
    moveFocus(+1);
}

Form::~Form() = default;

std::span<const Control* const> Form::controls() const
{
    const Control* const* first = order_.data();
    return {first, order_.size()};
}

std::size_t Form::positionOf(std::string_view name, int index) const
{
    auto it = std::find_if(order_.begin(), order_.end(), [&](const Control* c) {
        return c->name() == name && c->index() == index;
    });
    return static_cast<std::size_t>(it - order_.begin());
}

Control* Form::find(std::string_view name, int index)
{
    const std::size_t at = positionOf(name, index);
    return at < order_.size() ? order_[at] : nullptr;
}

const Control* Form::find(std::string_view name, int index) const
{
    const std::size_t at = positionOf(name, index);
    return at < order_.size() ? order_[at] : nullptr;
}

void Form::on(const Control& control, Event event, Procedure procedure)
{
    procedures_[{&control, event}] = std::move(procedure);
}

void Form::onLoad(Procedure procedure)
{
    load_ = std::move(procedure);
}

void Form::attach(Host& host)
{
    if (host_ != nullptr && host_ != &host)
        throw std::logic_error("the form " + caption_ + " already has a host");
    host_ = &host;
}

// Every input enters through here, and nothing thrown gets past it: End stops here, a run-time error
// is reported and ends the program, anything else is a fault of the program and ends it at once.
template <class Fn>
void Form::deliver(Fn&& fn)
{
    if (ended_)
        return;
    try {
        fn();
    } catch (const ProgramEnded&) {
    } catch (const RunTimeError& error) {
        try {
            MsgBox(error.what());
            End();
        } catch (const ProgramEnded&) {
        } catch (const std::exception& fault) {
            endProgram(fault.what());
        }
    } catch (const std::exception& fault) {
        endProgram(fault.what());
    } catch (...) {
        endProgram("an exception of unknown type");
    }
}

void Form::raise(const Control& control, Event event)
{
    auto it = procedures_.find({&control, event});
    if (it != procedures_.end())
        it->second();
}

void Form::Load()
{
    deliver([&] {
        if (load_)
            load_();
    });
}

const Control* Form::hitTest(Point at) const
{
    for (bool windowedLayer : {true, false}) {
        for (const Control* control : order_) {
            if (control->kind() != ControlKind::Timer && control->windowed() == windowedLayer
                && control->visible() && control->rect().contains(at))
                return control;
        }
    }
    return nullptr;
}

void Form::pointerPress(Point at)
{
    deliver([&] { pressAt(at, false); });
}

void Form::pointerDoubleClick(Point at)
{
    deliver([&] { pressAt(at, true); });
}

void Form::pointerMove(Point at, Over over)
{
    deliver([&] { moveTo(at, over); });
}

void Form::pointerRelease(Point at, Over over)
{
    deliver([&] { releaseAt(at, over); });
}

void Form::pointerLost()
{
    deliver([&] { forgetPress(); });
}

void Form::pointerLeft()
{
    deliver([&] { lastPressHit_ = nullptr; });
}

void Form::keyPress(Key key)
{
    deliver([&] { pressKey(key); });
}

void Form::pressAt(Point at, bool secondPressOfDoubleClick)
{
    if (!acceptsInput())
        return;
    forgetPress();
    const Control* hit = hitTest(at);
    const bool doubleClick = std::exchange(lastPressHit_, hit) == hit && secondPressOfDoubleClick;
    if (hit == nullptr || !hit->reachable())
        return;
    if (hit->canTakeFocus())
        setFocus(hit);
    if (hit->automaticDrag()) {
        drag_ = DragState{hit, at, at};
        if (host_ != nullptr)
            host_->dragChanged(drag()->outline);
        raise(*hit, Event::DragOver);
        return;
    }
    if (doubleClick)
        raise(*hit, Event::DblClick);
    else
        pressed_ = hit;
}

const Control* Form::reachableHit(Point at, Over over) const
{
    const Control* hit = over == Over::Window ? hitTest(at) : nullptr;
    return hit != nullptr && hit->reachable() ? hit : nullptr;
}

void Form::moveTo(Point at, Over over)
{
    if (!acceptsInput() || !drag_)
        return;
    drag_->pointer = at;
    if (host_ != nullptr)
        host_->dragChanged(drag()->outline);
    if (const Control* target = reachableHit(at, over))
        raise(*target, Event::DragOver);
}

void Form::releaseAt(Point at, Over over)
{
    if (!acceptsInput())
        return;
    const Control* target = reachableHit(at, over);
    if (drag_) {
        endDrag();
        if (target != nullptr)
            raise(*target, Event::DragDrop);
        return;
    }
    const Control* pressed = std::exchange(pressed_, nullptr);
    if (pressed != nullptr && pressed == target)
        raise(*target, Event::Click);
}

// The press under way, and its drag, end without a Click or a drop.
void Form::forgetPress()
{
    endDrag();
    pressed_ = nullptr;
}

void Form::endDrag()
{
    if (!drag_)
        return;
    drag_.reset();
    if (host_ != nullptr)
        host_->dragChanged(std::nullopt);
}

std::optional<Form::Drag> Form::drag() const
{
    if (!drag_)
        return std::nullopt;
    const Point moved{drag_->pointer.x - drag_->grabbedAt.x, drag_->pointer.y - drag_->grabbedAt.y};
    return Drag{drag_->source, drag_->source->rect().movedBy(moved.x, moved.y)};
}

void Form::pressKey(Key key)
{
    if (!acceptsInput())
        return;
    auto* focusedButton = dynamic_cast<const CommandButton*>(focused_);
    auto findButton = [&](bool (CommandButton::*flag)() const) -> const CommandButton* {
        for (const Control* control : order_) {
            auto* button = dynamic_cast<const CommandButton*>(control);
            if (button != nullptr && (button->*flag)())
                return button;
        }
        return nullptr;
    };
    switch (key) {
    case Key::Tab:
        moveFocus(+1);
        break;
    case Key::BackTab:
        moveFocus(-1);
        break;
    case Key::Enter:
        pressButton(focusedButton != nullptr ? focusedButton : findButton(&CommandButton::isDefault));
        break;
    case Key::Escape:
        pressButton(findButton(&CommandButton::isCancel));
        break;
    case Key::Space:
        pressButton(focusedButton);
        break;
    }
}

void Form::focusMovedByHost(const Control& control)
{
    if (canBeFocused(control))
        focused_ = &control;
}

void Form::pressButton(const CommandButton* button)
{
    if (button != nullptr && button->reachable())
        raise(*button, Event::Click);
}

void Form::setFocus(const Control* control)
{
    if (focused_ == control)
        return;
    focused_ = control;
    if (host_ != nullptr && control != nullptr)
        host_->focusChanged(*control);
}

// Moves the focus one place along the tab order (step +1 or -1) to a control that can take it now,
// starting from where the focus is, even when that control itself can no longer have it.
void Form::moveFocus(int step)
{
    std::vector<const Control*> tabOrder;
    for (const Control* control : order_) {
        if (control->tabIndex() >= 0 && control->canTakeFocus())
            tabOrder.push_back(control);
    }
    std::sort(tabOrder.begin(), tabOrder.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    const auto count = static_cast<std::ptrdiff_t>(tabOrder.size());
    const auto current = std::find(tabOrder.begin(), tabOrder.end(), focused_) - tabOrder.begin();
    const std::ptrdiff_t from = current < count ? current : (step > 0 ? -1 : count);
    for (std::ptrdiff_t moved = 1; moved <= count; ++moved) {
        const std::ptrdiff_t position = ((from + step * moved) % count + count) % count;
        if (canBeFocused(*tabOrder[static_cast<std::size_t>(position)])) {
            setFocus(tabOrder[static_cast<std::size_t>(position)]);
            return;
        }
    }
    if (focused_ != nullptr && !canBeFocused(*focused_))
        focused_ = nullptr;
}

void Form::tick(const Timer& timer)
{
    if (!timer.enabled() || ticking_.contains(&timer))
        return;
    ticking_.insert(&timer);
    deliver([&] { raise(timer, Event::Timer); });
    ticking_.erase(&timer);
}

int Form::MsgBox(const std::string& prompt, int buttons, const std::string& title)
{
    if (buttons != vbOKOnly && buttons != vbOKCancel + vbQuestion)
        throw std::invalid_argument("message box buttons not supported: " + std::to_string(buttons));
    if (ended_)
        throw ProgramEnded{};
    forgetPress();
    // A press before the box and one after it are no double-click on the window.
    lastPressHit_ = nullptr;

    MessageBox box{prompt, buttons, title.empty() ? applicationTitle_ : title};
    int answer = vbOK;
    if (host_ != nullptr) {
        ++openBoxes_;
        try {
            answer = host_->showMessageBox(box);
        } catch (...) {
            --openBoxes_;
            throw;
        }
        --openBoxes_;
    }
    // A procedure nested in the box may have ended the program: nothing of this one runs after it.
    if (ended_)
        throw ProgramEnded{};
    return buttons == vbOKOnly || answer != vbCancel ? vbOK : vbCancel;
}

void Form::End()
{
    endProgram();
    throw ProgramEnded{};
}

void Form::windowClosed()
{
    endProgram();
}

// The program ends once, normally or with the fault that ended it; nothing is delivered afterwards.
void Form::endProgram(const std::optional<std::string>& fault)
{
    if (ended_)
        return;
    ended_ = true;
    forgetPress();
    if (host_ == nullptr)
        return;
    if (fault)
        host_->fail(*fault);
    else
        host_->end();
}

void Form::focusAndSelect(TextBox& textBox)
{
    if (!canBeFocused(textBox))
        return;
    setFocus(&textBox);
    if (host_ != nullptr)
        host_->textSelected(textBox);
}

void Form::controlChanged(const Control& control)
{
    // The focus leaves first, so the host never hides or disables the control that has it.
    if (&control == focused_ && !canBeFocused(control))
        moveFocus(+1);
    if (host_ != nullptr)
        host_->controlChanged(control);
}

void Form::refreshNow(const Control& control)
{
    if (host_ != nullptr)
        host_->refreshNow(control);
}

void Form::timerEnabledChanged(const Timer& timer)
{
    if (host_ == nullptr || ended_)
        return;
    if (timer.enabled())
        host_->startTimer(timer);
    else
        host_->stopTimer(timer);
}

} // namespace rt
