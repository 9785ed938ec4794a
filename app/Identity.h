#pragma once

// Names the program "Varnok" to the settings store, the desktop and the window manager, and
// gives every window its icon. Captions stay the windows' own: no name is added to them.
void setProgramIdentity();
