#pragma once

#include "track/TrackLayout.h"

#include <gtest/gtest.h>

// Colours and slots for tests of what is painted on the track's cells.

inline constexpr Color kRed = 0x0000FF;
inline constexpr Color kGreen = 0x00FF00;
inline constexpr Color kTrainColor = 0x7F7F00;

// The slot of TrackSeg that holds cell `n`; a cell the track lacks fails the test.
inline int slotOf(CellIndex n) {
    const auto slot = cellSlot(n);
    EXPECT_TRUE(slot.has_value()) << n;
    return slot.value_or(0);
}
