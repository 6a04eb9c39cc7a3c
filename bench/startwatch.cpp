// SPDX-FileCopyrightText: 2026 ratebook developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Times a program's start from outside: starts it, waits for the X server to map a
// top-level window with the given title, and prints the microseconds from the start to
// that map and the program's peak resident memory in KiB. The program is then ended
// with SIGTERM, so the peak is the one reached while its window was on screen.
//
// usage: startwatch <settle-ms> <title> <program>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string title(xcb_connection_t *x, xcb_window_t window, xcb_atom_t property)
{
    const auto cookie = xcb_get_property(x, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(x, cookie, nullptr), &std::free);
    if (!reply)
        return {};
    return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())),
                       std::size_t(xcb_get_property_value_length(reply.get())));
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    const auto cookie = xcb_intern_atom(x, 0, std::uint16_t(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(x, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: startwatch <settle-ms> <title> <program>\n", stderr);
        return 2;
    }
    const int settleMs = std::atoi(argv[1]);
    const std::string wanted = argv[2];

    xcb_connection_t *x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fputs("startwatch: no X display\n", stderr);
        return 2;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t netWmName = atom(x, "_NET_WM_NAME");
    // Without a window manager a top-level window is a child of the root, so its map is
    // reported here. The round trip makes sure the server listens before the start.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(xcb_get_file_descriptor(x));
        execl(argv[3], argv[3], static_cast<char *>(nullptr));
        _exit(127);
    }

    long long shownUs = -1;
    const auto deadline = start + std::chrono::seconds(30);
    pollfd fd{xcb_get_file_descriptor(x), POLLIN, 0};
    while (shownUs < 0 && std::chrono::steady_clock::now() < deadline
           && !xcb_connection_has_error(x)) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fputs("startwatch: the program ended before showing its window\n", stderr);
                return 1;
            }
            poll(&fd, 1, 10);
            continue;
        }
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto now = std::chrono::steady_clock::now();
            const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t *>(event)->window;
            if (title(x, window, netWmName) == wanted
                || title(x, window, XCB_ATOM_WM_NAME) == wanted)
                shownUs
                    = std::chrono::duration_cast<std::chrono::microseconds>(now - start).count();
        }
        std::free(event);
    }

    // Time to paint and settle before the peak is read; SIGTERM then ends the program
    // where it stands, so nothing after the window adds to the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    kill(child, SIGTERM);
    rusage usage{};
    wait4(child, nullptr, 0, &usage);
    xcb_disconnect(x);
    if (shownUs < 0) {
        std::fprintf(stderr, "startwatch: no window titled \"%s\" appeared\n", wanted.c_str());
        return 1;
    }
    std::printf("%lld %ld\n", shownUs, usage.ru_maxrss);
    return 0;
}
