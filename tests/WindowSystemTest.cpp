#include "ui/WindowSystem.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

// The window-system choice reads and sets only the environment; each case restores it.

namespace {

using testing::HasSubstr;

class Variable {
public:
    explicit Variable(const char* name) : m_name(name) {
        if (qEnvironmentVariableIsSet(name)) {
            m_saved = qgetenv(name);
        }
    }
    ~Variable() { set(m_saved); }
    Variable(const Variable&) = delete;
    Variable& operator=(const Variable&) = delete;

    void set(const std::optional<QByteArray>& value) const {
        if (value) {
            qputenv(m_name, *value);
        } else {
            qunsetenv(m_name);
        }
    }

private:
    const char* m_name;
    std::optional<QByteArray> m_saved;
};

// A socket that listens where a display is looked for, and that no one else uses.
class ListeningSocket {
public:
    // A compositor's, at `name` in a runtime folder of its own. One that answers replies to each
    // client's first request, as a compositor replies to a round trip; one that does not has
    // stopped.
    ListeningSocket(const char* name, bool answers) {
        EXPECT_TRUE(listenAt(m_folder.path().toUtf8() + '/' + name));
        if (answers) {
            m_replies = std::thread([this] { reply(); });
        }
    }
    // A stopped X server's, in the abstract namespace where xcb looks first, of a display
    // number that no server has.
    ListeningSocket() {
        for (int number = 4000; m_display.isEmpty() && number < 4100; ++number) {
            if (listenAt(QByteArray(1, '\0') + "/tmp/.X11-unix/X" + QByteArray::number(number))) {
                m_display = ':' + QByteArray::number(number);
            }
        }
        EXPECT_FALSE(m_display.isEmpty());
    }
    ~ListeningSocket() {
        ::shutdown(m_socket, SHUT_RDWR);
        if (m_replies.joinable()) {
            m_replies.join();
        }
        ::close(m_socket);
    }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    QByteArray folder() const { return m_folder.path().toUtf8(); }
    QByteArray display() const { return m_display; }

private:
    bool listenAt(const QByteArray& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size()));
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), length) == 0 &&
            ::listen(m_socket, 4) == 0) {
            return true;
        }
        ::close(m_socket);
        return false;
    }

    // The wl_callback's done event, for the sync request a client sends first.
    void reply() const {
        for (int client; (client = ::accept(m_socket, nullptr, nullptr)) >= 0; ::close(client)) {
            std::array<std::uint32_t, 3> request{};
            ::recv(client, request.data(), sizeof request, MSG_WAITALL);
            const std::array<std::uint32_t, 3> done = {request[2], 12u << 16, 0};
            ::send(client, done.data(), sizeof done, MSG_NOSIGNAL);
        }
    }

    QTemporaryDir m_folder;
    QByteArray m_display;
    int m_socket = -1;
    std::thread m_replies;
};

struct Choice {
    std::optional<QByteArray> platform; // QT_QPA_PLATFORM afterwards
    std::optional<std::string> failure;
};

class WindowSystemTest : public testing::Test {
protected:
    // What the program would run on with these variables and arguments.
    Choice chosenWith(std::optional<QByteArray> platform, std::optional<QByteArray> display,
                      std::optional<QByteArray> wayland = std::nullopt,
                      std::vector<const char*> arguments = {}) {
        m_platform.set(platform);
        m_display.set(display);
        m_wayland.set(wayland);
        m_runtime.set(m_compositor.folder());
        arguments.insert(arguments.begin(), "varnok");
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        Choice choice;
        choice.failure = chooseWindowSystem(int(arguments.size()), arguments.data()).failure();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
            choice.platform = qgetenv("QT_QPA_PLATFORM");
        }
        return choice;
    }

    Variable m_platform{"QT_QPA_PLATFORM"};
    Variable m_display{"DISPLAY"};
    Variable m_wayland{"WAYLAND_DISPLAY"};
    Variable m_runtime{"XDG_RUNTIME_DIR"};
    ListeningSocket m_compositor{"compositor", true};
};

// A display that names no server, as one left over from a closed session does.
constexpr const char* kDeadDisplay = "unix:/nonexistent/varnok-display";

TEST_F(WindowSystemTest, ThePlatformTheUserChoseIsKept) {
    EXPECT_EQ(chosenWith("offscreen", ":0").platform, "offscreen");
    EXPECT_EQ(chosenWith("wayland", std::nullopt, "compositor").platform, "wayland");
    const Choice byOption =
        chosenWith(std::nullopt, std::nullopt, std::nullopt, {"-platform", "offscreen"});
    EXPECT_EQ(byOption.platform, std::nullopt);
    EXPECT_EQ(byOption.failure, std::nullopt);
}

TEST_F(WindowSystemTest, WithoutAnXServerAWaylandCompositorIsTaken) {
    EXPECT_EQ(chosenWith(std::nullopt, std::nullopt, "compositor").platform, "wayland");
    EXPECT_EQ(chosenWith("", kDeadDisplay, "compositor").platform, "wayland");
    EXPECT_EQ(
        chosenWith(std::nullopt, std::nullopt, m_compositor.folder() + "/compositor").platform,
        "wayland");
}

TEST_F(WindowSystemTest, WithNeitherNothingIsChosenAndTheFailureSaysWhatToDo) {
    for (const auto& display : {std::optional<QByteArray>(), std::optional<QByteArray>(""),
                                std::optional<QByteArray>(kDeadDisplay)}) {
        for (const auto& wayland :
             {std::optional<QByteArray>(), std::optional<QByteArray>("gone")}) {
            const Choice choice = chosenWith(std::nullopt, display, wayland);
            EXPECT_EQ(choice.platform, std::nullopt);
            ASSERT_TRUE(choice.failure.has_value());
            EXPECT_THAT(*choice.failure, HasSubstr("set DISPLAY"));
            EXPECT_THAT(*choice.failure, HasSubstr("xvfb-run"));
        }
    }
    EXPECT_THAT(*chosenWith(std::nullopt, kDeadDisplay).failure,
                HasSubstr("no X server answers on DISPLAY \"unix:/nonexistent/varnok-display\""));
    // A display named on the command line is the one that counts.
    EXPECT_THAT(*chosenWith(std::nullopt, ":0", std::nullopt, {"-display", kDeadDisplay}).failure,
                HasSubstr(kDeadDisplay));
    // A platform the user chose, with none of its kind to be found.
    EXPECT_THAT(*chosenWith("xcb", std::nullopt, "compositor").failure,
                HasSubstr("QT_QPA_PLATFORM is \"xcb\" and DISPLAY is not set; set DISPLAY"));
    EXPECT_THAT(*chosenWith("wayland", kDeadDisplay, "gone").failure,
                HasSubstr("QT_QPA_PLATFORM is \"wayland\" and no Wayland compositor answers; "));
    // Displays that take the connection and never answer, as a stopped server does.
    const ListeningSocket stoppedX;
    const ListeningSocket stoppedCompositor("frozen", false);
    const std::string failure =
        *chosenWith(std::nullopt, stoppedX.display(), stoppedCompositor.folder() + "/frozen")
             .failure;
    EXPECT_THAT(failure, HasSubstr("the X server on DISPLAY \"" + stoppedX.display().toStdString() +
                                   "\" has not answered in 5 seconds"));
    EXPECT_THAT(failure, HasSubstr("/frozen\" has not answered in 5 seconds"));
}

} // namespace
