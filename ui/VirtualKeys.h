#pragma once

#include "sim/KeyCodes.h"

class QKeyEvent;

// The virtual-key code of the key an event reports, as the trains' key handling counts keys:
// by the key on the keyboard, so Shift+1 is the 1 key. A key that has no such code gives 0.
KeyCode virtualKeyCode(const QKeyEvent& event);
