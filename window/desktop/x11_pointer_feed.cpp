#include "window/desktop/x11_pointer_feed.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>
#include <xcb/xinput.h>

namespace desktop {

namespace {

using Action = PointerTrail::Action;

// The crossing and pointer events of the core protocol and of XInput 2 share their numbers.
static_assert(XCB_ENTER_NOTIFY == XCB_INPUT_ENTER && XCB_LEAVE_NOTIFY == XCB_INPUT_LEAVE);
static_assert(XCB_BUTTON_PRESS == XCB_INPUT_BUTTON_PRESS && XCB_BUTTON_RELEASE == XCB_INPUT_BUTTON_RELEASE
              && XCB_MOTION_NOTIFY == XCB_INPUT_MOTION && XCB_BUTTON_RELEASE + 1 == XCB_MOTION_NOTIFY);
static_assert(int{XCB_NOTIFY_MODE_NORMAL} == int{XCB_INPUT_NOTIFY_MODE_NORMAL}
              && int{XCB_NOTIFY_DETAIL_INFERIOR} == int{XCB_INPUT_NOTIFY_DETAIL_INFERIOR});

} // namespace

std::unique_ptr<X11PointerFeed> X11PointerFeed::forWindow(const QWidget& window, PointerTrail& trail)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr || x11->connection() == nullptr)
        return nullptr;
    // Qt has asked for XInput already: this answer is kept by the connection, not asked again.
    const xcb_query_extension_reply_t* input = xcb_get_extension_data(x11->connection(), &xcb_input_id);
    const std::uint8_t opcode = input != nullptr && input->present != 0 ? input->major_opcode : 0;
    std::unique_ptr<X11PointerFeed> feed(new X11PointerFeed(static_cast<std::uint32_t>(window.winId()), opcode, trail));
    QCoreApplication::instance()->installNativeEventFilter(feed.get());
    return feed;
}

X11PointerFeed::X11PointerFeed(std::uint32_t window, std::uint8_t inputExtension, PointerTrail& trail)
    : window_(window)
    , inputExtension_(inputExtension)
    , trail_(trail)
{
}

X11PointerFeed::~X11PointerFeed()
{
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

// Only looks: every event goes on to Qt.
bool X11PointerFeed::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const std::optional<PointerEvent> event = read(message);
    if (!event || event->window != window_)
        return false;
    switch (event->type) {
    case XCB_ENTER_NOTIFY:
    case XCB_LEAVE_NOTIFY:
        crossing(event->type == XCB_ENTER_NOTIFY, event->mode, event->detail);
        break;
    case XCB_BUTTON_PRESS:
        trail_.reported(Action::Press, event->time);
        break;
    case XCB_BUTTON_RELEASE:
        trail_.reported(Action::Release, event->time);
        break;
    default:
        trail_.reported(Action::Move, event->time);
        break;
    }
    return false;
}

// A crossing, press, release or move, of the core protocol or of XInput 2, or nothing.
std::optional<X11PointerFeed::PointerEvent> X11PointerFeed::read(const void* message) const
{
    const unsigned type = static_cast<const xcb_generic_event_t*>(message)->response_type & 0x7fu;
    if (type == XCB_GE_GENERIC) {
        const auto* generic = static_cast<const xcb_ge_generic_event_t*>(message);
        if (inputExtension_ == 0 || generic->extension != inputExtension_)
            return std::nullopt;
        if (generic->event_type == XCB_INPUT_ENTER || generic->event_type == XCB_INPUT_LEAVE) {
            const auto* crossed = static_cast<const xcb_input_enter_event_t*>(message);
            return PointerEvent{generic->event_type, crossed->event, crossed->time, crossed->mode, crossed->detail};
        }
        if (generic->event_type >= XCB_INPUT_BUTTON_PRESS && generic->event_type <= XCB_INPUT_MOTION) {
            const auto* pointer = static_cast<const xcb_input_button_press_event_t*>(message);
            return PointerEvent{generic->event_type, pointer->event, pointer->time};
        }
        return std::nullopt;
    }
    if (type == XCB_ENTER_NOTIFY || type == XCB_LEAVE_NOTIFY) {
        const auto* crossed = static_cast<const xcb_enter_notify_event_t*>(message);
        return PointerEvent{type, crossed->event, crossed->time, crossed->mode, crossed->detail};
    }
    if (type >= XCB_BUTTON_PRESS && type <= XCB_MOTION_NOTIFY) {
        const auto* pointer = static_cast<const xcb_button_press_event_t*>(message);
        return PointerEvent{type, pointer->event, pointer->time};
    }
    return std::nullopt;
}

// Into or out of a window inside this one is no crossing of its edge. A grab by another program (a
// window manager's, on a press) takes the pointer for a moment; only a normal leaving moved it away.
void X11PointerFeed::crossing(bool in, std::uint8_t mode, std::uint8_t detail)
{
    if (detail == XCB_NOTIFY_DETAIL_INFERIOR)
        return;
    if (in)
        trail_.entered();
    else
        trail_.left(mode == XCB_NOTIFY_MODE_NORMAL);
}

} // namespace desktop
