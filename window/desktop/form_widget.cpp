#include "window/desktop/form_widget.h"

#include "window/desktop/control_widgets.h"
#include "window/desktop/x11_pointer_feed.h"
#include "window/runtime/form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>

namespace desktop {

namespace {

rt::Point twipsAt(QPoint pixel)
{
    return {rt::twipsFromPixel(pixel.x()), rt::twipsFromPixel(pixel.y())};
}

QString textOf(const std::string& text)
{
    return QString::fromStdString(text);
}

} // namespace

FormWidget::FormWidget(rt::Form& form, PictureCache& pictures)
    : form_(form)
    , pictures_(pictures)
{
    setWindowTitle(textOf(form.caption()));
    resize(rt::pixelsFromTwips(form.clientSize().width), rt::pixelsFromTwips(form.clientSize().height));
    setAutoFillBackground(true);
    // The scene was laid out for a small 8-point font: captions and buttons keep their proportions.
    QFont small = font();
    small.setPointSize(8);
    setFont(small);
    fitLabels();
    // Moves with no button held too: one of them tells that a press's release was lost.
    setMouseTracking(true);

    // Created rearmost first, so that each later child lies in front of the earlier ones.
    const auto& controls = form.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if ((*it)->windowed())
            createChild(**it);
    }
    outline_ = new DragOutline(this);
    outline_->setGeometry(rect());
    outline_->raise();
    // The window's own keys: Tab and Shift+Tab would otherwise move Qt's focus before the runtime's.
    installEventFilter(this);
}

FormWidget::~FormWidget() = default;

QRect FormWidget::pixelRect(const rt::Rect& r)
{
    return {rt::pixelsFromTwips(r.left), rt::pixelsFromTwips(r.top), rt::pixelsFromTwips(r.width),
            rt::pixelsFromTwips(r.height)};
}

QRect FormWidget::pixelRect(const rt::Control& control)
{
    return pixelRect(control.rect());
}

void FormWidget::createChild(rt::Control& control)
{
    QWidget* widget = nullptr;
    switch (control.kind()) {
    case rt::ControlKind::PictureBox:
        widget = new PictureBoxWidget(static_cast<const rt::PictureBox&>(control), pictures_, this);
        break;
    case rt::ControlKind::ProgressBar: {
        auto& bar = static_cast<rt::ProgressBar&>(control);
        auto* progress = new QProgressBar(this);
        progress->setRange(static_cast<int>(bar.min()), static_cast<int>(bar.max()));
        progress->setTextVisible(false);
        progress->setAttribute(Qt::WA_TransparentForMouseEvents);
        progress->setFocusPolicy(Qt::NoFocus);
        widget = progress;
        break;
    }
    case rt::ControlKind::TextBox: {
        auto& box = static_cast<rt::TextBox&>(control);
        auto* edit = new FormChild<QLineEdit>(std::bind_front(&FormWidget::forwardMouse, this), this);
        edit->setMaxLength(std::numeric_limits<int>::max());  // a text box has no length limit
        QObject::connect(edit, &QLineEdit::textEdited, edit, [&box](const QString& text) { box.setText(text.toStdString()); });
        widget = edit;
        break;
    }
    case rt::ControlKind::CommandButton: {
        auto* button = new FormChild<QPushButton>(std::bind_front(&FormWidget::forwardMouse, this), textOf(static_cast<rt::CommandButton&>(control).caption()), this);
        button->setAutoDefault(false);
        widget = button;
        break;
    }
    case rt::ControlKind::Image:
    case rt::ControlKind::Label:
    case rt::ControlKind::Timer:
        return;
    }
    widget->setObjectName(QString::fromStdString(control.displayName()));
    widget->setGeometry(pixelRect(control));
    widget->installEventFilter(this);
    children_.emplace(&control, widget);
    controlOf_.insert(widget, &control);
    sync(control);
}

QWidget* FormWidget::widgetOf(const rt::Control& control) const
{
    auto it = children_.find(&control);
    return it == children_.end() ? nullptr : it->second;
}

void FormWidget::sync(const rt::Control& control)
{
    QWidget* widget = widgetOf(control);
    if (widget == nullptr) {
        update(pixelRect(control));
        return;
    }
    widget->setVisible(control.visible());
    widget->setEnabled(control.enabled());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        const QString text = textOf(static_cast<const rt::TextBox&>(control).text());
        if (edit->text() != text)
            edit->setText(text);
    } else if (auto* progress = qobject_cast<QProgressBar*>(widget)) {
        progress->setValue(static_cast<int>(std::lround(static_cast<const rt::ProgressBar&>(control).value())));
    } else {
        widget->update();
    }
}

void FormWidget::repaintNow(const rt::Control& control)
{
    if (QWidget* widget = widgetOf(control))
        widget->repaint();
    else
        repaint(pixelRect(control));
}

void FormWidget::focus(const rt::Control& control)
{
    if (QWidget* widget = widgetOf(control))
        widget->setFocus(Qt::OtherFocusReason);
}

void FormWidget::selectAllText(const rt::Control& textBox)
{
    if (auto* edit = qobject_cast<QLineEdit*>(widgetOf(textBox)))
        edit->selectAll();
}

void FormWidget::showDragOutline(const std::optional<rt::Rect>& outline)
{
    outline_->setOutline(outline ? pixelRect(*outline) : QRect());
}

void FormWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const auto& controls = form_.controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        if (!(*it)->windowed() && (*it)->visible())
            paintControl(painter, **it);
    }
}

void FormWidget::paintControl(QPainter& painter, const rt::Control& control)
{
    const QRect area = pixelRect(control);
    if (auto* image = dynamic_cast<const rt::Image*>(&control)) {
        const std::string& key = image->picture().key();
        if (image->stretch())
            painter.drawPixmap(area.topLeft(), pictures_.stretched(key, area.size()));
        else
            painter.drawPixmap(area.topLeft(), pictures_.natural(key));
    } else if (auto* label = dynamic_cast<const rt::Label*>(&control)) {
        // An AutoSize label's area is its measured caption; any other one cuts it at its edges.
        painter.fillRect(area, palette().window());
        const rt::Rgb c = label->foreColor();
        painter.setPen(QColor(c.red, c.green, c.blue));
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop, textOf(label->caption()));
    }
}

// An AutoSize label takes the size of its caption in the window's font, trailing blanks included.
void FormWidget::fitLabels()
{
    const QFontMetrics metrics = fontMetrics();
    for (rt::Control* control : form_.controls()) {
        if (auto* label = dynamic_cast<rt::Label*>(control)) {
            const QString caption = textOf(label->caption());
            label->fitCaption({metrics.horizontalAdvance(caption) * rt::kTwipsPerPixel, metrics.height() * rt::kTwipsPerPixel});
        }
    }
    update();
}

// Only the primary button is the form's pointer: the others do nothing, and a drag under way goes on.
// Each event is judged where it happened: pressed here, the pointer follows the window wherever it
// goes, outside the client area or over another window above this one.
void FormWidget::forwardMouse(QMouseEvent* event, QPoint formPosition)
{
    const PointerTrail::Judgement judged = judge(*event);
    if (judged.leftBefore)
        form_.pointerLeft();
    const rt::Point at = twipsAt(formPosition);
    const rt::Over over = rect().contains(formPosition) && judged.onWindow ? rt::Over::Window : rt::Over::Elsewhere;
    if (event->type() == QEvent::MouseMove) {
        // A move with the button up: its release went elsewhere, or nowhere.
        if (!event->buttons().testFlag(Qt::LeftButton))
            pointerLost();
        else
            form_.pointerMove(at, over);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        form_.pointerPress(at);
        break;
    case QEvent::MouseButtonDblClick:
        form_.pointerDoubleClick(at);
        break;
    case QEvent::MouseButtonRelease:
        form_.pointerRelease(at, over);
        break;
    default:
        break;
    }
}

// On an X display, what the server said at the event itself; elsewhere no program may know what
// covers its window, and only the client area counts.
PointerTrail::Judgement FormWidget::judge(const QMouseEvent& event)
{
    if (x11Feed_ == nullptr)
        return {};
    using Action = PointerTrail::Action;
    const auto time = static_cast<std::uint32_t>(event.timestamp());
    switch (event.type()) {
    case QEvent::MouseButtonPress:
        return trail_.judge(Action::Press, time);
    case QEvent::MouseButtonDblClick:
        return trail_.judge(Action::Press, time, true);
    case QEvent::MouseButtonRelease:
        return trail_.judge(Action::Release, time);
    default:
        return trail_.judge(Action::Move, time);
    }
}

// The press under way will get no release: it ends with no Click and no drop, and a button drawn
// pressed comes back up.
void FormWidget::pointerLost()
{
    form_.pointerLost();
    for (auto& [control, widget] : children_) {
        if (auto* button = qobject_cast<QPushButton*>(widget))
            button->setDown(false);
    }
}

void FormWidget::mousePressEvent(QMouseEvent* event)
{
    forwardMouse(event, event->position().toPoint());
}

void FormWidget::mouseDoubleClickEvent(QMouseEvent* event)
{
    forwardMouse(event, event->position().toPoint());
}

void FormWidget::mouseMoveEvent(QMouseEvent* event)
{
    forwardMouse(event, event->position().toPoint());
}

void FormWidget::mouseReleaseEvent(QMouseEvent* event)
{
    forwardMouse(event, event->position().toPoint());
}

void FormWidget::resizeEvent(QResizeEvent*)
{
    // The scene stays where it is; only the drag outline may now reach further.
    outline_->setGeometry(rect());
}

void FormWidget::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange)
        fitLabels();
    // Another window took the pointer and keys, or this one was minimized: no release will come here,
    // and no double-click spans it (one of the program's own boxes ends a pair by a rule of its own).
    if ((event->type() == QEvent::ActivationChange && !isActiveWindow())
        || (event->type() == QEvent::WindowStateChange && isMinimized())) {
        pointerLost();
        if (QApplication::activeModalWidget() == nullptr)
            form_.pointerLeft();
    }
    QWidget::changeEvent(event);
}

void FormWidget::showEvent(QShowEvent* event)
{
    if (x11Feed_ == nullptr)
        x11Feed_ = X11PointerFeed::forWindow(*this, trail_);
    QWidget::showEvent(event);
}

// Where the X server tells of the pointer, the trail has it in order with the presses; elsewhere this
// is the word.
void FormWidget::leaveEvent(QEvent* event)
{
    if (x11Feed_ == nullptr)
        form_.pointerLeft();
    QWidget::leaveEvent(event);
}

void FormWidget::hideEvent(QHideEvent* event)
{
    pointerLost();
    QWidget::hideEvent(event);
}

void FormWidget::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (onClose_)
        onClose_();
}

bool FormWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress)
        return forwardKey(watched, static_cast<QKeyEvent*>(event));
    // When Qt moves the focus by itself (an access key, say), the runtime follows.
    if (event->type() == QEvent::FocusIn) {
        if (const rt::Control* control = controlOf_.value(watched))
            form_.focusMovedByHost(*control);
    }
    return false;
}

bool FormWidget::forwardKey(QObject* receiver, QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
        form_.keyPress(rt::Key::Tab);
        return true;
    case Qt::Key_Backtab:
        form_.keyPress(rt::Key::BackTab);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        form_.keyPress(rt::Key::Enter);
        return true;
    case Qt::Key_Escape:
        form_.keyPress(rt::Key::Escape);
        return true;
    case Qt::Key_Space:
        if (qobject_cast<QPushButton*>(receiver) == nullptr)
            return false;
        if (!event->isAutoRepeat())
            form_.keyPress(rt::Key::Space);
        return true;
    default:
        return false;
    }
}

} // namespace desktop
