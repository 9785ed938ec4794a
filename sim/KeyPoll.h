#pragma once

#include "sim/KeyCodes.h"
#include "sim/SharedState.h"

#include <cstdint>

// What the track map's poll of the held key does to the shared state, apart from the windows.
// The poll looks at KeyDownCode every 100 ms, so a held key acts once a poll.

// Ctrl: the next of the trains in use becomes the controlled train, after the last the
// first. Returns that train's colour, which the controlled-train marker takes.
Colour SelectNextTrain(SharedState& state);

// The throttle value that `key` asks for, from `value`: Up adds 5 and Down takes 5 off,
// within 0..100. Any other key leaves the value as it is.
std::int32_t ThrottleAfterKey(KeyCode key, std::int16_t value);
