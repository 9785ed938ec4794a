#pragma once

#include "sim/TrainControls.h"

#include <Qt>

// The shift state of a mouse press as the train controls count it: Shift, Ctrl and Alt only.
inline int shiftStateOf(Qt::KeyboardModifiers modifiers) {
    return (modifiers.testFlag(Qt::ShiftModifier) ? kShiftHeld : 0) |
           (modifiers.testFlag(Qt::ControlModifier) ? kCtrlHeld : 0) |
           (modifiers.testFlag(Qt::AltModifier) ? kAltHeld : 0);
}
