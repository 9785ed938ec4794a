#include "sim/TrainControls.h"

#include "base/CheckedArithmetic.h"
#include "base/Fatal.h"

#include <string>

std::int32_t SpeedToInterval(std::int32_t value) {
    if (value <= 0) {
        return 0;
    }
    return checkedSubtract<std::int32_t>(1001, checkedMultiply<std::int32_t>(10, value));
}

bool SetThrottle(SharedState& state, int index, std::int32_t value) {
    if (value < kThrottleMin || value > kThrottleMax) {
        stopWithError("throttle value " + std::to_string(value) + " is outside " +
                      std::to_string(kThrottleMin) + ".." + std::to_string(kThrottleMax));
    }
    TrainRecord& train = trainAt(state, index);
    if (train.Throttle == value) {
        return false;
    }
    train.Throttle = value;
    train.Interval = SpeedToInterval(value);
    return true;
}

void SelectNextColor(SharedState& state, int index) {
    TrainRecord& train = trainAt(state, index);
    train.ColorIndex = checkedAdd(train.ColorIndex, 1) % kPaletteSize;
}

bool PressLength(SharedState& state, int index, int shiftState) {
    TrainRecord& train = trainAt(state, index);
    const std::int32_t delta = shiftState == kShiftHeld ? -1 : 1;
    const std::int32_t length = checkedAdd(train.Length, delta);
    if (length < 0 || length > kBodyCapacity) {
        return false;
    }
    train.Length = length;
    return true;
}

int PressTrainCount(SharedState& state, int shiftState) {
    if (shiftState == 0 && state.TrainCount < kTrainSlots) {
        ++state.TrainCount;
        return 1;
    }
    if (shiftState == kShiftHeld && state.TrainCount > 1) {
        --state.TrainCount;
        return -1;
    }
    return 0;
}
