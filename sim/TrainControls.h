#pragma once

#include "sim/SharedState.h"

#include <cstdint>

// What the train control window's throttles, swatches, length boxes and presses do to the
// shared state, apart from the window itself.

// The shift state of a mouse press: a mask of these bits.
inline constexpr int kShiftHeld = 1;
inline constexpr int kCtrlHeld = 2;
inline constexpr int kAltHeld = 4;

// The timer interval in milliseconds for a throttle value: 1001 - 10 × value, so 991 at 1 and
// 1 at 100; 0, meaning no ticks, for a value of 0 or less. Above 100 the result is below 1,
// negative from 101 on.
std::int32_t SpeedToInterval(std::int32_t value);

// Moves train `index`'s throttle to `value`, and its interval with it. A value outside
// 0..100 stops the program with a message. Returns whether the throttle moved.
bool SetThrottle(SharedState& state, int index, std::int32_t value);

// The next of the palette's colours for train `index`, after the last the first.
void SelectNextColor(SharedState& state, int index);

// A press on train `index`'s length box: one cell shorter with Shift alone held, otherwise
// one longer. The length stays within 0 and what the body holds; returns whether it changed.
bool PressLength(SharedState& state, int index, int shiftState);

// A press on the window: one more train with no modifier, one fewer with Shift alone, within
// 1..3. Returns the change of TrainCount: +1, -1 or 0.
int PressTrainCount(SharedState& state, int shiftState);
