// Another program's window over part of the screen, kept above every other one: an override-redirect
// window that no window manager restacks. It prints "mapped" once the server shows it, then stays
// until it is killed.
// usage: vesmol_cover_window X Y WIDTH HEIGHT
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const auto number = [&](int i) { return static_cast<std::int16_t>(std::atoi(argv[i])); };
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x) != 0) {
        std::fputs("cover_window: cannot open the X display\n", stderr);
        return 1;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
    const xcb_window_t window = xcb_generate_id(x);
    const std::uint32_t values[] = {screen->black_pixel, 1, XCB_EVENT_MASK_STRUCTURE_NOTIFY};
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, number(1), number(2),
                      static_cast<std::uint16_t>(number(3)), static_cast<std::uint16_t>(number(4)), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    xcb_map_window(x, window);
    xcb_flush(x);
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
        std::free(event);
        if (mapped) {
            std::puts("mapped");
            std::fflush(stdout);
        }
    }
    return 0;
}
