// Runs a program and prints the milliseconds from its start until it maps its first top-level
// window, then kills it. Meant for a display of its own with no window manager, where every window
// the program shows maps straight onto the root and nothing else maps there.
// usage: vesmol_first_map_timer PROGRAM [ARGUMENTS...]
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kDeadline = std::chrono::seconds(10);

[[gnu::format(printf, 1, 2)]] int fail(const char* format, ...)
{
    std::fputs("first_map_timer: ", stderr);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
    return 1;
}

void stop(pid_t program)
{
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x) != 0) {
        const char* display = std::getenv("DISPLAY");
        return fail("cannot open the X display %s", display != nullptr ? display : "(DISPLAY is not set)");
    }
    auto screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;

    // Checked and waited for: the server must be sending us maps before the program can make one.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t* error = xcb_request_check(x, xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask))) {
        std::free(error);
        return fail("cannot watch the root window for maps");
    }
    const int connection = xcb_get_file_descriptor(x);
    fcntl(connection, F_SETFD, fcntl(connection, F_GETFD) | FD_CLOEXEC);

    const auto start = Clock::now();
    const pid_t program = fork();
    if (program < 0)
        return fail("cannot fork: %s", std::strerror(errno));
    if (program == 0) {
        // The program's own output goes to stderr: stdout carries only the figure.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(argv[1], argv + 1);
        std::fprintf(stderr, "first_map_timer: cannot run %s: %s\n", argv[1], std::strerror(errno));
        _exit(127);
    }
    pollfd watched{connection, POLLIN, 0};
    for (;;) {
        // Events first: a map that came just before the program ended still counts.
        while (xcb_generic_event_t* event = xcb_poll_for_event(x)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY
                && reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect == 0;
            std::free(event);
            if (mapped) {
                const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
                stop(program);
                std::printf("%.1f\n", elapsed.count());
                return 0;
            }
        }
        if (xcb_connection_has_error(x) != 0) {
            stop(program);
            return fail("lost the X display");
        }
        if (int status = 0; waitpid(program, &status, WNOHANG) == program) {
            if (WIFSIGNALED(status))
                return fail("%s was ended by %s before it showed a window", argv[1], strsignal(WTERMSIG(status)));
            return fail("%s ended with status %d before it showed a window", argv[1], WEXITSTATUS(status));
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(start + kDeadline - Clock::now());
        if (left.count() <= 0) {
            stop(program);
            return fail("%s showed no window within %lld s", argv[1], static_cast<long long>(kDeadline.count()));
        }
        // A map wakes the wait at once; the short timeout only looks for an early end now and then.
        if (poll(&watched, 1, static_cast<int>(std::min<long long>(left.count(), 20))) < 0 && errno != EINTR) {
            stop(program);
            return fail("cannot wait: %s", std::strerror(errno));
        }
    }
}
