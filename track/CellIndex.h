#pragma once

#include <cstdint>

// A cell of the track is named by its index; 0 names no cell and marks an empty body slot.
using CellIndex = std::int32_t;

// A colour as red + 256 × green + 65536 × blue.
using Color = std::int32_t;

inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kYellow = 0x00FFFF;
