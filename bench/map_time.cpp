// Time from exec to the first top-level window mapped, seen from outside the
// program as a user's X server sees it:
//   map_time PROGRAM ARGS...
// prints "<milliseconds>" and ends the program. Run it on an X server of its
// own without a window manager, so the program's own window is the first one
// mapped on the root window.
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

double nowMs() {
    timespec t{};
    ::clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void stop(pid_t child) {
    ::kill(child, SIGTERM);
    // A program that ignores the request is ended after two seconds.
    for (int i = 0; i < 200; ++i) {
        if (::waitpid(child, nullptr, WNOHANG) == child)
            return;
        ::usleep(10000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: map_time PROGRAM ARGS...\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "map_time: no X server\n");
        return 2;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, it.data->root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server watches the root before the program starts.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const double start = nowMs();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(argv[1], argv + 1);
        std::_Exit(127);
    }
    if (child < 0)
        return 2;
    const double deadline = start + 20000;
    double mapped = -1;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped < 0) {
        while (xcb_generic_event_t* ev = xcb_poll_for_event(c)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(ev, &std::free);
            if ((ev->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !reinterpret_cast<xcb_map_notify_event_t*>(ev)->override_redirect) {
                mapped = nowMs();
                break;
            }
        }
        if (mapped >= 0)
            break;
        const double left = deadline - nowMs();
        if (left <= 0 || xcb_connection_has_error(c))
            break;
        if (::poll(&pfd, 1, int(left) + 1) < 0 && errno != EINTR)
            break;
    }
    stop(child);
    xcb_disconnect(c);
    if (mapped < 0) {
        std::fprintf(stderr, "map_time: no window mapped within 20 s\n");
        return 1;
    }
    std::printf("%.2f\n", mapped - start);
    return 0;
}
