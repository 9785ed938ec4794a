#include "ui/WindowSystem.h"

#include "base/QuotedText.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QtGlobal>

#include <cstring>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

// The value of Qt's option `name` (given as -name or --name) on the command line.
std::optional<std::string_view> qtOption(int argc, const char* const argv[],
                                         std::string_view name) {
    for (int i = 1; i + 1 < argc; ++i) {
        std::string_view argument = argv[i];
        if (argument.starts_with("--")) {
            argument.remove_prefix(1);
        }
        if (argument.starts_with('-') && argument.substr(1) == name) {
            return argv[i + 1];
        }
    }
    return std::nullopt;
}

bool xServerAnswers(const std::string& display) {
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool answers = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return answers;
}

// Whether a compositor listens where a Wayland client looks for one: WAYLAND_DISPLAY,
// "wayland-0" by default, in XDG_RUNTIME_DIR unless it is a path of its own.
bool waylandCompositorAnswers() {
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        return true;
    }
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty()) {
        path = QByteArrayLiteral("wayland-0");
    }
    if (!path.startsWith('/')) {
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            return false;
        }
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + path;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return false;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool answers =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(socket);
    return answers;
}

} // namespace

std::optional<std::string> chooseWindowSystem(int argc, const char* const argv[]) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qtOption(argc, argv, "platform")) {
        return std::nullopt;
    }
    const auto displayOption = qtOption(argc, argv, "display");
    const std::string display =
        displayOption ? std::string(*displayOption) : qgetenv("DISPLAY").toStdString();
    if (!display.empty() && xServerAnswers(display)) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
        return std::nullopt;
    }
    if (waylandCompositorAnswers()) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("wayland"));
        return std::nullopt;
    }
    const std::string where = display.empty()
                                  ? std::string("DISPLAY is not set")
                                  : "no X server answers on DISPLAY " + quotedText(display);
    return "no display to open windows on: " + where +
           " and no Wayland compositor answers; set DISPLAY to a running X server, or run "
           "Varnok under xvfb-run";
}

bool windowSystemTellsPlaces() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
