#pragma once

// Watches, on X11, for a window of the program that another client destroys with the X
// server's DestroyWindow (not a close that the user asks for), and reports it as lost (see
// windowLost). Elsewhere it does nothing.
void watchForLostWindows();
