// Starts a program on the X display and says how long it took until one of its windows shows a
// frame of the scene: the first moment a mapped window holds the three phase colours, pure red,
// green and blue, which the frame draws and no widget of the window uses.
//
//   first_frame_probe [--timeout-ms N] [--keep] [--verbose] -- PROGRAM [ARGS...]
//
// Prints the milliseconds from just before the program is started to the first image of its
// window that has the frame (windows are read one after another, a millisecond apart, so the
// figure is late by at most one read and that pause: a few milliseconds). The program is then
// ended, or with --keep left running and its process id printed after the time; --verbose tells how
// many reads were made and how long the last one took. Exit status: 0 frame seen, 1 not seen, 2
// usage.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include <xcb/xcb.h>

namespace {

double NowMs() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Whether the window's image holds pure red, pure green and pure blue pixels.
bool ShowsFrame(xcb_connection_t* c, xcb_window_t window) {
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry || geometry->width < 64 || geometry->height < 64) return false;
    Reply<xcb_get_image_reply_t> image(
        xcb_get_image_reply(c,
                            xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0u),
                            nullptr));
    if (!image || image->depth != 24) return false;
    const int length = xcb_get_image_data_length(image.get());
    if (length != geometry->width * geometry->height * 4) return false;  // not 32 bits a pixel
    const uint8_t* data = xcb_get_image_data(image.get());
    bool red = false, green = false, blue = false;
    // 32-bit pixels, least significant byte first: blue, green, red, padding.
    for (int i = 0; i < length && !(red && green && blue); i += 4) {
        const uint32_t pixel = data[i] | (data[i + 1] << 8) | (data[i + 2] << 16);
        red = red || pixel == 0xFF0000;
        green = green || pixel == 0x00FF00;
        blue = blue || pixel == 0x0000FF;
    }
    return red && green && blue;
}

int Usage() {
    std::fputs(
        "usage: first_frame_probe [--timeout-ms N] [--keep] [--verbose] -- PROGRAM [ARGS...]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    long timeoutMs = 10000;
    bool keep = false;
    bool verbose = false;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (std::strcmp(argv[i], "--keep") == 0) {
            keep = true;
        } else if (std::strcmp(argv[i], "--verbose") == 0) {
            verbose = true;
        } else if (std::strcmp(argv[i], "--timeout-ms") == 0 && i + 1 < argc) {
            timeoutMs = std::strtol(argv[++i], nullptr, 10);
            if (timeoutMs <= 0) return Usage();
        } else {
            return Usage();
        }
    }
    if (i + 1 >= argc) return Usage();
    char** program = argv + i + 1;

    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c) != 0) {
        std::fputs("first_frame_probe: cannot connect to the X display\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int s = 0; s < screenNumber; ++s) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    // Top-level windows being mapped are reported on the root window (there is no window manager
    // to reparent them).
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    const double start = NowMs();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first_frame_probe: fork");
        return 1;
    }
    if (child == 0) {
        // The program's own output goes to standard error: standard output carries the figures.
        dup2(STDERR_FILENO, STDOUT_FILENO);
        execvp(program[0], program);
        std::perror("first_frame_probe: exec");
        _exit(127);
    }

    std::set<xcb_window_t> mapped;
    double seenAt = -1;
    int reads = 0;
    double lastRead = 0;  // how long the last read of a window took, in ms
    while (seenAt < 0 && NowMs() - start < static_cast<double>(timeoutMs)) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "first_frame_probe: %s ended before showing a frame\n",
                         program[0]);
            return 1;
        }
        // Wait for a window to be mapped; once one is, read the mapped windows every millisecond.
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&fd, 1, mapped.empty() ? 5 : 1);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7F;
            if (type == XCB_MAP_NOTIFY)
                mapped.insert(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
            else if (type == XCB_UNMAP_NOTIFY)
                mapped.erase(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
            std::free(event);
        }
        if (xcb_connection_has_error(c) != 0) break;
        for (const xcb_window_t window : mapped) {
            const double before = NowMs();
            const bool shown = ShowsFrame(c, window);
            const double after = NowMs();
            ++reads;
            lastRead = after - before;
            if (shown) {
                seenAt = after;
                break;
            }
        }
    }
    xcb_disconnect(c);

    if (seenAt < 0) {
        std::fprintf(stderr, "first_frame_probe: no frame within %ld ms\n", timeoutMs);
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        return 1;
    }
    if (verbose)
        std::fprintf(stderr, "first_frame_probe: %d reads of windows, the last one %.1f ms\n",
                     reads, lastRead);
    if (keep) {
        std::printf("%.1f %d\n", seenAt - start, static_cast<int>(child));
        return 0;
    }
    std::printf("%.1f\n", seenAt - start);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    return 0;
}
