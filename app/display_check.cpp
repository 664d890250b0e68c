#include "display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include <xcb/xcb.h>
#include <QByteArray>
#include <QList>

namespace {

std::string XProblem() {
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) return "no X display is set (DISPLAY is empty)";
    int screen = 0;
    xcb_connection_t* connection = xcb_connect(display.constData(), &screen);
    // A server in the middle of a reset turns clients away for a moment: try again, briefly.
    for (int attempt = 1; attempt < 4 && xcb_connection_has_error(connection) != 0; ++attempt) {
        xcb_disconnect(connection);
        ::usleep(100000);
        connection = xcb_connect(display.constData(), &screen);
    }
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return "cannot connect to the X display \"" + display.toStdString() + "\"";
    }
    // Kept open for the life of the program: a server that resets when its last client leaves
    // (a bare X server, with no desktop) would otherwise turn the toolkit away in that moment.
    static xcb_connection_t* const kept = connection;
    (void)kept;
    return {};
}

std::string WaylandProblem() {
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty()) path = "wayland-0";
    if (!path.startsWith('/')) {
        const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
        if (runtimeDir.isEmpty()) return "no Wayland display (XDG_RUNTIME_DIR is not set)";
        path = runtimeDir + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return "the Wayland socket path is too long";
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return "cannot open a socket";
    const bool connected =
        ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    if (!connected) return "cannot connect to the Wayland display \"" + path.toStdString() + "\"";
    return {};
}

}  // namespace

std::string DisplayProblem() {
    const QByteArray requested = qgetenv("QT_QPA_PLATFORM");
    if (requested.isEmpty()) {
        // The toolkit picks X or Wayland by itself; either will do.
        const std::string x = XProblem();
        if (x.empty() || WaylandProblem().empty()) return {};
        return x;
    }
    // A list is tried in order. Platforms other than X and Wayland (offscreen, minimal, vnc,
    // eglfs...) are left to the toolkit.
    std::string problem;
    for (const QByteArray& entry : requested.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        if (name == "xcb")
            problem = XProblem();
        else if (name.startsWith("wayland"))
            problem = WaylandProblem();
        else
            return {};
        if (problem.empty()) return {};
    }
    return problem;
}
