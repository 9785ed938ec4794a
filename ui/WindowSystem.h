#pragma once

#include <memory>
#include <optional>
#include <string>

struct xcb_connection_t;

// The window system, as chosen before the application object is made.
class WindowSystemChoice {
public:
    // Why no window can open, in one line that says what to do; nothing when one can.
    const std::optional<std::string>& failure() const { return m_failure; }

    // Lets go of the connection by which an X server was found. Until then it counts as one of
    // the server's clients, so that a server that resets when its last client leaves (Xvfb as
    // xvfb-run starts it) cannot be mid-reset when Qt connects: let go once the application
    // object is made.
    void releaseProbe() { m_probe.reset(); }

    struct Disconnect {
        void operator()(xcb_connection_t* connection) const;
    };
    using XConnection = std::unique_ptr<xcb_connection_t, Disconnect>;

private:
    friend WindowSystemChoice chooseWindowSystem(int argc, const char* const argv[]);

    std::optional<std::string> m_failure;
    XConnection m_probe;
};

// Chooses the window system. Unless the user has chosen one (QT_QPA_PLATFORM, or Qt's
// -platform option), X11 where an X server answers on DISPLAY (or on -display), through
// XWayland on a Wayland desktop: only X11 lets a program put its windows back where they were.
// Else Wayland, where a compositor answers. A display that takes the connection but does not
// answer within a few seconds (a stopped server, a frozen compositor) does not count. Where
// none answers, also none of those the user chose, nothing is chosen and the choice holds the
// one line that says so: Qt would otherwise stop the program with an abort, or wait for ever.
WindowSystemChoice chooseWindowSystem(int argc, const char* const argv[]);

// Whether the window system tells the program where its windows are, once the application
// object is made. X11 does. Wayland does not: there a window's place is the compositor's
// alone, and what Qt reports is made up.
bool windowSystemTellsPlaces();
