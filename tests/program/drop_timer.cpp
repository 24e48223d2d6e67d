// Lets go of the primary button, as the learner does at the end of a drag, and prints the
// milliseconds until an area of a window shows something else. Connected to the X server directly,
// not through whatever stands between the server and the program being measured.
// usage: vesmol_drop_timer WINDOW X Y WIDTH HEIGHT   (the area in the window's own pixels)
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(30);

// The area's pixels as they show now, or an empty string when the server cannot give them.
std::string pixels(xcb_connection_t* x, xcb_window_t window, const std::int16_t area[4])
{
    xcb_get_image_reply_t* image = xcb_get_image_reply(
        x,
        xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, window, area[0], area[1], static_cast<std::uint16_t>(area[2]),
                      static_cast<std::uint16_t>(area[3]), ~0u),
        nullptr);
    if (image == nullptr)
        return {};
    std::string bytes(reinterpret_cast<const char*>(xcb_get_image_data(image)),
                      static_cast<std::size_t>(xcb_get_image_data_length(image)));
    std::free(image);
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 6) {
        std::fprintf(stderr, "usage: %s WINDOW X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    std::int16_t area[4];
    for (int i = 0; i < 4; ++i)
        area[i] = static_cast<std::int16_t>(std::atoi(argv[i + 2]));
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fputs("drop_timer: cannot open the X display\n", stderr);
        return 1;
    }
    const std::string before = pixels(x, window, area);
    if (before.empty()) {
        std::fputs("drop_timer: cannot read the window's pixels\n", stderr);
        return 1;
    }
    const auto start = Clock::now();
    xcb_test_fake_input(x, XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_flush(x);
    while (pixels(x, window, area) == before) {
        if (Clock::now() - start > kDeadline) {
            std::fputs("drop_timer: the area did not change\n", stderr);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    std::printf("%.1f\n", elapsed.count());
    return 0;
}
