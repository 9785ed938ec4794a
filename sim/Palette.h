#pragma once

#include "sim/SharedState.h"

#include <array>

// The 27 train colours: red, green and blue each at 0, 127 or 254, blue changing fastest.
// No entry is pure white, so a train never looks like bare track.
std::array<Color, kPaletteSize> BuildPalette();
