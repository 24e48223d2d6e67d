#pragma once

#include "window/runtime/geometry.h"
#include "window/runtime/picture.h"

#include <cstdint>
#include <string>

namespace rt {

class Form;

enum class ControlKind { Image, Label, PictureBox, TextBox, CommandButton, Timer, ProgressBar };

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// One row of a window's design: every setting a control starts with. Settings a class lacks stay at
// their defaults.
struct ControlDesign {
    const char* name = "";
    ControlKind kind = ControlKind::Image;
    Rect rect{};
    bool visible = true;
    bool enabled = true;
    bool automaticDrag = false;
    bool stretch = false;
    int index = -1;     // element of a control array, or -1
    int tabIndex = -1;  // -1 for controls without a place in the tab order
    const char* caption = "";
    const char* text = "";
    bool isDefault = false;
    bool isCancel = false;
    int interval = 0;   // milliseconds
    Rgb foreColor{};
    bool autoSize = false;
    float min = 0;
    float max = 0;
    const char* picture = "";
};

// What every control has: a name, a place, and the flags that decide which events reach it.
class Control {
public:
    Control(Form& form, const ControlDesign& design);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return name_; }
    int index() const { return index_; }
    ControlKind kind() const { return kind_; }
    const Rect& rect() const { return rect_; }
    int tabIndex() const { return tabIndex_; }
    bool automaticDrag() const { return automaticDrag_; }

    bool visible() const { return visible_; }
    void setVisible(bool visible);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

    // Visible and enabled: the only state in which a control takes mouse events.
    bool reachable() const { return visible_ && enabled_; }
    // Controls with a window of their own always lie in front of those without one.
    bool windowed() const;
    bool canTakeFocus() const;
    // "imgVesmol(3)" for an array element, the plain name otherwise.
    std::string displayName() const;

protected:
    void changed();
    void resize(Size size) { rect_.width = size.width; rect_.height = size.height; }
    Form& form() const { return form_; }
    virtual void enabledChanged() {}

private:
    Form& form_;
    std::string name_;
    int index_;
    ControlKind kind_;
    Rect rect_;
    int tabIndex_;
    bool automaticDrag_;
    bool visible_;
    bool enabled_;
};

class Image : public Control {
public:
    Image(Form& form, const ControlDesign& design);
    const Picture& picture() const { return picture_; }
    bool stretch() const { return stretch_; }
    // Draws the control at once, before the procedure goes on.
    void Refresh();

private:
    Picture picture_;
    bool stretch_;
};

class PictureBox : public Control {
public:
    using Control::Control;
    const Picture& picture() const { return picture_; }
    // The box shows the picture at its natural size from its inner top-left corner, cut at the edges.
    void setPicture(const Picture& picture);

private:
    Picture picture_;
};

class TextBox : public Control {
public:
    TextBox(Form& form, const ControlDesign& design);
    const std::string& text() const { return text_; }
    void setText(const std::string& text);
    // Moves the focus here (when the box can take it) and selects the whole text.
    void focusAndSelectAll();

private:
    std::string text_;
};

class Label : public Control {
public:
    Label(Form& form, const ControlDesign& design);
    const std::string& caption() const { return caption_; }
    Rgb foreColor() const { return foreColor_; }
    bool autoSize() const { return autoSize_; }
    // The host measured the caption in the font it shows it in: an AutoSize label takes that size,
    // where it is drawn and where it takes the mouse alike. Its place stays; the host redraws it.
    void fitCaption(Size measured);

private:
    std::string caption_;
    Rgb foreColor_;
    bool autoSize_;
};

class CommandButton : public Control {
public:
    CommandButton(Form& form, const ControlDesign& design);
    const std::string& caption() const { return caption_; }
    bool isDefault() const { return isDefault_; }
    bool isCancel() const { return isCancel_; }

private:
    std::string caption_;
    bool isDefault_;
    bool isCancel_;
};

// No place and no appearance: while Enabled, a Timer event every interval milliseconds.
class Timer : public Control {
public:
    Timer(Form& form, const ControlDesign& design);
    int interval() const { return interval_; }

private:
    void enabledChanged() override;
    int interval_;
};

class ProgressBar : public Control {
public:
    ProgressBar(Form& form, const ControlDesign& design);
    float min() const { return min_; }
    float max() const { return max_; }
    float value() const { return value_; }
    // Only values from Min to Max are valid; any other raises run-time error 380, invalid property value.
    void setValue(float value);
    bool active() const { return active_; }
    void setActive(bool active);

private:
    float min_;
    float max_;
    float value_;
    bool active_ = false;
};

} // namespace rt
