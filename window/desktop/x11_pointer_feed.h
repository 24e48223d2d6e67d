#pragma once

#include "window/desktop/pointer_trail.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <memory>
#include <optional>

class QWidget;

namespace desktop {

// Feeds a pointer trail from the X server's own events for one top-level window, as Qt reads them and
// before it hands any of them on: crossings in and out of the window, presses, releases and moves.
// Nothing is asked of the server, so no event waits for a reply.
class X11PointerFeed : public QAbstractNativeEventFilter {
public:
    // A feed for the window, or none when the application is not on an X display.
    static std::unique_ptr<X11PointerFeed> forWindow(const QWidget& window, PointerTrail& trail);
    ~X11PointerFeed() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    X11PointerFeed(std::uint32_t window, std::uint8_t inputExtension, PointerTrail& trail);

    struct PointerEvent {
        unsigned type;  // as the core protocol numbers it
        std::uint32_t window;
        std::uint32_t time;
        std::uint8_t mode = 0;
        std::uint8_t detail = 0;
    };
    std::optional<PointerEvent> read(const void* message) const;
    void crossing(bool in, std::uint8_t mode, std::uint8_t detail);

    std::uint32_t window_;
    std::uint8_t inputExtension_;  // the major opcode of XInput 2's events, 0 when there is none
    PointerTrail& trail_;
};

} // namespace desktop
