#include "window/desktop/control_widgets.h"

#include "window/desktop/picture_cache.h"
#include "window/runtime/control.h"

#include <QPainter>

namespace desktop {

namespace {

void drawBevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight)
{
    painter.setPen(topLeft);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
}

} // namespace

PictureBoxWidget::PictureBoxWidget(const rt::PictureBox& box, PictureCache& pictures, QWidget* parent)
    : QWidget(parent)
    , box_(box)
    , pictures_(pictures)
{
    // The form decides where every click lands, so mouse input passes through to it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect inner = rect().adjusted(kBorder, kBorder, -kBorder, -kBorder);
    painter.fillRect(rect(), palette().button());
    if (!box_.picture().empty()) {
        painter.setClipRect(inner);
        painter.drawPixmap(inner.topLeft(), pictures_.natural(box_.picture().key()));
        painter.setClipping(false);
    }
    // The classic sunken 3D border, two lines deep: dark above and left, light below and right.
    drawBevel(painter, rect(), palette().dark().color(), palette().light().color());
    drawBevel(painter, rect().adjusted(1, 1, -1, -1), palette().shadow().color(), palette().midlight().color());
}

DragOutline::DragOutline(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void DragOutline::setOutline(const QRect& outline)
{
    if (outline == outline_)
        return;
    const QRect dirty = outline_.united(outline).adjusted(-2, -2, 2, 2);
    outline_ = outline;
    update(dirty);
}

void DragOutline::paintEvent(QPaintEvent*)
{
    if (outline_.isEmpty())
        return;
    QPainter painter(this);
    // Black and white together stay visible over any part of the scene.
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(outline_.adjusted(0, 0, -1, -1));
    painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
    painter.drawRect(outline_.adjusted(1, 1, -2, -2));
}

} // namespace desktop
