#pragma once

// The windows keep their places between runs, and only X11 lets a program place its windows:
// unless the user has chosen a platform (QT_QPA_PLATFORM), picks X11, through XWayland on a
// Wayland desktop, when an X server answers on DISPLAY. Otherwise it leaves the choice to Qt
// and says nothing. Call before the application object is made.
void preferX11WhereAvailable();
