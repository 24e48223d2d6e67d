#pragma once

#include "window/desktop/picture_cache.h"
#include "window/desktop/pointer_trail.h"

#include <QHash>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

#include "window/runtime/events.h"

namespace rt {
class Control;
class Form;
struct Rect;
}

namespace desktop {

class DragOutline;
class X11PointerFeed;

// The window of a runtime form. Windowless controls (images, labels) are painted here, rearmost
// first; windowed ones are child widgets stacked in design order. Every mouse event, also one over a
// child, goes to the runtime as a form position, so hit testing and dragging happen there alone: the
// window's own handlers pass its mouse on, and buttons and text boxes pass theirs on once they have
// handled it; an event filter on the window and on each child passes the form's keys on. The window
// tells the runtime when the pointer is away from it and when a press's release is lost, and
// measures the AutoSize labels' captions, so that what is drawn is where it takes the mouse.
class FormWidget : public QWidget {
public:
    FormWidget(rt::Form& form, PictureCache& pictures);
    ~FormWidget() override;

    QWidget* widgetOf(const rt::Control& control) const;
    // Brings a control's widget (shown, enabled, its text or value), or its area of the window, in
    // line with the control.
    void sync(const rt::Control& control);
    void repaintNow(const rt::Control& control);
    void focus(const rt::Control& control);
    void selectAllText(const rt::Control& textBox);
    // The outline of a drag in progress, in twips, or none.
    void showDragOutline(const std::optional<rt::Rect>& outline);
    const DragOutline& dragOutline() const { return *outline_; }
    // What to do when the window is closed.
    void setOnClose(std::function<void()> onClose) { onClose_ = std::move(onClose); }

    static QRect pixelRect(const rt::Control& control);
    static QRect pixelRect(const rt::Rect& twips);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createChild(rt::Control& control);
    void paintControl(QPainter& painter, const rt::Control& control);
    void forwardMouse(QMouseEvent* event, QPoint formPosition);
    PointerTrail::Judgement judge(const QMouseEvent& event);
    void pointerLost();
    void fitLabels();
    bool forwardKey(QObject* receiver, QKeyEvent* event);

    rt::Form& form_;
    PictureCache& pictures_;
    std::unordered_map<const rt::Control*, QWidget*> children_;
    QHash<const QObject*, const rt::Control*> controlOf_;
    DragOutline* outline_ = nullptr;
    std::function<void()> onClose_;
    PointerTrail trail_;
    std::unique_ptr<X11PointerFeed> x11Feed_;  // on an X display only
};

} // namespace desktop
