#include "window/desktop/pointer_over.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

namespace desktop {

namespace {

struct FreeReply {
    void operator()(xcb_query_pointer_reply_t* reply) const { std::free(reply); }
};
using PointerReply = std::unique_ptr<xcb_query_pointer_reply_t, FreeReply>;

PointerReply queryPointer(xcb_connection_t* connection, xcb_window_t window)
{
    return PointerReply(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, window), nullptr));
}

} // namespace

bool pointerOnWindow(const QWidget& window)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr || x11->connection() == nullptr
        || window.window()->windowHandle() == nullptr)
        return true;
    xcb_connection_t* connection = x11->connection();
    const auto ours = static_cast<xcb_window_t>(window.window()->winId());
    PointerReply reply = queryPointer(connection, ours);
    if (reply == nullptr)
        return true;
    if (reply->same_screen == 0)
        return false;
    // Down from the root along the windows that hold the pointer, as the server stacks them: a window
    // manager's frame, then ours; any other window on the way covers ours there.
    xcb_window_t holder = reply->root;
    for (int depth = 0; depth < 8; ++depth) {
        reply = queryPointer(connection, holder);
        if (reply == nullptr)
            return true;
        if (reply->child == ours)
            return true;
        if (reply->child == XCB_NONE)
            return false;
        holder = reply->child;
    }
    return false;
}

} // namespace desktop
