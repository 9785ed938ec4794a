#pragma once

#include <cstdint>

// One input of the user's, as the model takes it: a key held or let go, a throttle moved, a
// colour clicked, a length box or the train control window pressed. A drive records them and
// plays them back.
struct DriveInput {
    enum class Kind : std::uint8_t { Key, Throttle, Color, Length, TrainCount };
    Kind kind = Kind::Key;
    int train = 0; // of a throttle, a colour or a length
    // The key code, the throttle value, or the press's shift state.
    std::int32_t value = 0;
    bool operator==(const DriveInput&) const = default;
};
