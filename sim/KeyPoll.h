#pragma once

#include "sim/KeyCodes.h"
#include "sim/SharedState.h"

#include <cstdint>
#include <optional>

// What the poll of the held key does to the shared state, apart from the windows. The poll
// looks at KeyDownCode every kKeyPollInterval, so a held key acts once a poll.

inline constexpr std::int32_t kKeyPollInterval = 100; // ms

// Ctrl: the next of the trains in use becomes the controlled train, after the last the
// first. Returns that train's colour, which the controlled-train marker takes.
Color SelectNextTrain(SharedState& state);

// The throttle value that `key` asks for, from `value`: Up adds 5 and Down takes 5 off,
// within 0..100. Any other key leaves the value as it is.
std::int32_t ThrottleAfterKey(KeyCode key, std::int16_t value);

// Whether a poll with `key` held can change anything: Ctrl, Up and Down can, any other key
// and none cannot.
bool PollActsOn(KeyCode key);

// What one poll of the held key did.
struct KeyPollOutcome {
    // Ctrl selected the next train: its colour, for the controlled-train marker.
    std::optional<Color> selectedColor;
    // Up or Down moved this train's throttle.
    std::optional<int> throttleMoved;
};

// One poll: a held Ctrl selects the next train, a held Up or Down moves the controlled
// train's throttle by 5; any other key, or none, does nothing.
KeyPollOutcome PollHeldKey(SharedState& state);
