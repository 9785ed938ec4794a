#pragma once

#include <cstdint>

// The virtual-key codes that drive the trains; every other code, and 0, counts as no key.
using KeyCode = std::int16_t;

inline constexpr KeyCode kNoKey = 0;
inline constexpr KeyCode kKeyCtrl = 17;
inline constexpr KeyCode kKeyLeft = 37;
inline constexpr KeyCode kKeyUp = 38;
inline constexpr KeyCode kKeyRight = 39;
inline constexpr KeyCode kKeyDown = 40;
