#pragma once

#include <optional>
#include <string>

// Chooses the window system, before the application object is made. Unless the user has
// chosen one (QT_QPA_PLATFORM, or Qt's -platform option), X11 where an X server answers on
// DISPLAY (or on -display), through XWayland on a Wayland desktop: only X11 lets a program
// put its windows back where they were. Else Wayland, where a compositor answers. Where
// neither answers, nothing is chosen and the result is the one line that says so and what to
// do; Qt would otherwise stop the program with an abort.
std::optional<std::string> chooseWindowSystem(int argc, const char* const argv[]);

// Whether the window system tells the program where its windows are, once the application
// object is made. X11 does. Wayland does not: there a window's place is the compositor's
// alone, and what Qt reports is made up.
bool windowSystemTellsPlaces();
