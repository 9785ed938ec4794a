#include "ui/WindowSystem.h"

#include "base/QuotedText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <array>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <poll.h>
#include <string_view>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <vector>
#include <xcb/xcb.h>

namespace {

// The context of the window system's texts in the catalogs.
struct WindowSystem {
    Q_DECLARE_TR_FUNCTIONS(WindowSystem)
};

// How long a display may take to answer a new connection. A server answers in milliseconds,
// over a slow remote link in a fraction of a second; one that takes longer has stopped.
constexpr int kAnswerSeconds = 5;

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

enum class Answer {
    Answers,
    None,  // nothing takes the connection, or it is closed at once
    Silent // the connection is neither refused nor answered in time
};

using XConnection = WindowSystemChoice::XConnection;

// Asks the X server on `display`, keeping the connection in `kept` when it answers. xcb waits
// for the server's reply without end, so it waits on a thread of its own; a server that has
// not answered in time is left to it, and the connection closed should it ever answer.
Answer askXServer(const std::string& display, XConnection& kept) {
    struct Call {
        std::mutex mutex;
        std::condition_variable ended;
        bool answered = false;
        bool abandoned = false;
        xcb_connection_t* connection = nullptr;
    };
    const auto call = std::make_shared<Call>();
    std::thread([call, display] {
        xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
        const std::lock_guard lock(call->mutex);
        if (call->abandoned) {
            xcb_disconnect(connection);
            return;
        }
        call->connection = connection;
        call->answered = true;
        call->ended.notify_one();
    }).detach();
    std::unique_lock lock(call->mutex);
    if (!call->ended.wait_for(lock, std::chrono::seconds(kAnswerSeconds),
                              [&] { return call->answered; })) {
        call->abandoned = true;
        return Answer::Silent;
    }
    XConnection connection(call->connection);
    if (xcb_connection_has_error(connection.get()) != 0) {
        return Answer::None;
    }
    kept = std::move(connection);
    return Answer::Answers;
}

// Where a Wayland client looks for its compositor: WAYLAND_DISPLAY, "wayland-0" by default,
// in XDG_RUNTIME_DIR unless it is a path of its own. Empty where there is no such place.
QByteArray waylandSocketPath() {
    QByteArray path = qgetenv("WAYLAND_DISPLAY");
    if (path.isEmpty()) {
        path = QByteArrayLiteral("wayland-0");
    }
    if (!path.startsWith('/')) {
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
            return {};
        }
        path = qgetenv("XDG_RUNTIME_DIR") + '/' + path;
    }
    return path;
}

// Asks the compositor at `path` for the protocol's round trip: a sync request on the display
// object (1) for a new callback (2), which a compositor answers at once.
Answer askWaylandCompositor(const QByteArray& path) {
    // A compositor that started this program handed it a connection of its own.
    if (!qEnvironmentVariableIsEmpty("WAYLAND_SOCKET")) {
        return Answer::Answers;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        return Answer::None;
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0) {
        return Answer::None;
    }
    constexpr std::array<std::uint32_t, 3> sync = {1, 12u << 16, 2};
    Answer answer = Answer::None;
    if (::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(socket, sync.data(), sizeof sync, MSG_NOSIGNAL) == ssize_t(sizeof sync)) {
        pollfd reply{socket, POLLIN, 0};
        const int ready = ::poll(&reply, 1, kAnswerSeconds * 1000);
        char byte = 0;
        if (ready == 0) {
            answer = Answer::Silent;
        } else if (ready > 0 && ::recv(socket, &byte, 1, 0) == 1) {
            answer = Answer::Answers;
        }
    }
    ::close(socket);
    return answer;
}

enum class Kind { X11, Wayland, Other };

// The kind of a Qt platform name ("xcb", "wayland-egl", "offscreen:size=...", ...).
Kind kindOf(std::string_view platform) {
    platform = platform.substr(0, platform.find(':'));
    if (platform == "xcb") {
        return Kind::X11;
    }
    return platform.starts_with("wayland") ? Kind::Wayland : Kind::Other;
}

// The platforms a user's choice names, in the order Qt tries them.
std::vector<Kind> kindsNamed(std::string_view choice) {
    std::vector<Kind> kinds;
    for (std::size_t start = 0; start <= choice.size();) {
        const std::size_t end = std::min(choice.find(';', start), choice.size());
        kinds.push_back(kindOf(choice.substr(start, end - start)));
        start = end + 1;
    }
    return kinds;
}

// What an answer says of a display that is not one: `none` when nothing took the connection,
// `late` when it took it and said nothing.
std::optional<QString> unanswered(Answer answer, const QString& none, const QString& late) {
    if (answer == Answer::Answers) {
        return std::nullopt;
    }
    return answer == Answer::None ? none : late;
}

// Why no display of `kind` answers, or nothing when one does; an X server's connection is
// kept in `kept`.
std::optional<QString> unansweredBy(Kind kind, const std::string& display, XConnection& kept) {
    if (kind == Kind::X11) {
        if (display.empty()) {
            return WindowSystem::tr("DISPLAY is not set");
        }
        const QString where = QString::fromStdString(quotedText(display));
        return unanswered(askXServer(display, kept),
                          WindowSystem::tr("no X server answers on DISPLAY %1").arg(where),
                          WindowSystem::tr("the X server on DISPLAY %1 has not answered in %2 "
                                           "seconds")
                              .arg(where)
                              .arg(kAnswerSeconds));
    }
    const QByteArray path = waylandSocketPath();
    return unanswered(askWaylandCompositor(path), WindowSystem::tr("no Wayland compositor answers"),
                      WindowSystem::tr("the Wayland compositor at %1 has not answered in %2 "
                                       "seconds")
                          .arg(QString::fromStdString(quotedText(path.toStdString())))
                          .arg(kAnswerSeconds));
}

} // namespace

void WindowSystemChoice::Disconnect::operator()(xcb_connection_t* connection) const {
    xcb_disconnect(connection);
}

WindowSystemChoice chooseWindowSystem(int argc, const char* const argv[]) {
    WindowSystemChoice choice;
    const auto platformOption = qtOption(argc, argv, "platform");
    const std::string named =
        platformOption ? std::string(*platformOption) : qgetenv("QT_QPA_PLATFORM").toStdString();
    const std::vector<Kind> kinds =
        named.empty() ? std::vector<Kind>{Kind::X11, Kind::Wayland} : kindsNamed(named);
    // A platform this program cannot look for first (offscreen, a framebuffer, ...) is Qt's.
    if (std::find(kinds.begin(), kinds.end(), Kind::Other) != kinds.end()) {
        return choice;
    }
    const auto displayOption = qtOption(argc, argv, "display");
    const std::string display =
        displayOption ? std::string(*displayOption) : qgetenv("DISPLAY").toStdString();
    QString why;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const auto whyNot = unansweredBy(kinds[i], display, choice.m_probe);
        if (!whyNot) {
            if (named.empty()) {
                qputenv("QT_QPA_PLATFORM", kinds[i] == Kind::X11 ? QByteArrayLiteral("xcb")
                                                                 : QByteArrayLiteral("wayland"));
            }
            return choice;
        }
        why = i == 0 ? *whyNot : WindowSystem::tr("%1 and %2").arg(why, *whyNot);
    }
    if (!named.empty()) {
        const QString setting = QString::fromStdString(quotedText(named));
        why = platformOption ? WindowSystem::tr("-platform is %1 and %2").arg(setting, why)
                             : WindowSystem::tr("QT_QPA_PLATFORM is %1 and %2").arg(setting, why);
    }
    const bool x11 = std::find(kinds.begin(), kinds.end(), Kind::X11) != kinds.end();
    const QString advice =
        x11 ? WindowSystem::tr("set DISPLAY to a running X server, or run Varnok under xvfb-run")
        : platformOption
            ? WindowSystem::tr("start Varnok where its compositor runs, or leave out -platform")
            : WindowSystem::tr("start Varnok where its compositor runs, or unset QT_QPA_PLATFORM");
    choice.m_failure =
        WindowSystem::tr("no display to open windows on: %1; %2").arg(why, advice).toStdString();
    return choice;
}

bool windowSystemTellsPlaces() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}
