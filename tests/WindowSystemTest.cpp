#include "ui/WindowSystem.h"

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
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

// A socket that listens as a Wayland compositor does, in a runtime folder of its own.
class ListeningSocket {
public:
    explicit ListeningSocket(const char* name) {
        const QByteArray path = m_folder.path().toUtf8() + '/' + name;
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        EXPECT_EQ(::listen(m_socket, 4), 0);
    }
    ~ListeningSocket() { ::close(m_socket); }
    ListeningSocket(const ListeningSocket&) = delete;
    ListeningSocket& operator=(const ListeningSocket&) = delete;

    QByteArray folder() const { return m_folder.path().toUtf8(); }

private:
    QTemporaryDir m_folder;
    int m_socket = -1;
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
        choice.failure = chooseWindowSystem(int(arguments.size()), arguments.data());
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
    ListeningSocket m_compositor{"compositor"};
};

// A display that names no server, as one left over from a closed session does.
constexpr const char* kDeadDisplay = "unix:/nonexistent/varnok-display";

TEST_F(WindowSystemTest, ThePlatformTheUserChoseIsKept) {
    EXPECT_EQ(chosenWith("offscreen", ":0").platform, "offscreen");
    EXPECT_EQ(chosenWith("wayland", std::nullopt).platform, "wayland");
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
}

} // namespace
