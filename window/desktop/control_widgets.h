#pragma once

#include <QMouseEvent>
#include <QWidget>

#include <functional>
#include <utility>

namespace rt {
class PictureBox;
}

namespace desktop {

class PictureCache;

// A picture box: a 2 px sunken border and, inside it, the copied picture at natural size from the
// top-left corner, cut at the edges.
class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(const rt::PictureBox& box, PictureCache& pictures, QWidget* parent);

    static constexpr int kBorder = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const rt::PictureBox& box_;
    PictureCache& pictures_;
};

// A native button or text box whose mouse input goes on to the form once it has handled it itself:
// the button has come up before a procedure opens a box, and press and release keep their order.
// A disabled one handles nothing, and Qt passes its input on to the window instead.
template <class Native>
class FormChild : public Native {
public:
    // Receives the event and its position in the parent, the form's window.
    using MouseInput = std::function<void(QMouseEvent*, QPoint)>;

    template <class... Args>
    explicit FormChild(MouseInput mouseInput, Args&&... args)
        : Native(std::forward<Args>(args)...)
        , mouseInput_(std::move(mouseInput))
    {
        // The form hears moves with no button held as well.
        this->setMouseTracking(true);
    }

protected:
    bool event(QEvent* event) override
    {
        const bool handled = Native::event(event);
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            if (!this->isEnabled())
                return handled;
            mouseInput_(static_cast<QMouseEvent*>(event), this->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
            // The form has it now: it must not reach the window a second time.
            event->accept();
            return true;
        default:
            return handled;
        }
    }

private:
    MouseInput mouseInput_;
};

// Draws the outline of a drag on top of everything else in the window.
class DragOutline : public QWidget {
public:
    explicit DragOutline(QWidget* parent);
    void setOutline(const QRect& outline);
    QRect outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect outline_;
};

} // namespace desktop
