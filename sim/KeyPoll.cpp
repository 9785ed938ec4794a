#include "sim/KeyPoll.h"

#include "app/CheckedArithmetic.h"
#include "app/Fatal.h"
#include "sim/TrainControls.h"
#include "sim/UtilityFunctions.h"

#include <string>

namespace {

constexpr std::int16_t kThrottleKeyStep = 5;

} // namespace

Colour SelectNextTrain(SharedState& state) {
    if (state.TrainCount <= 0) {
        stopWithError("there are " + std::to_string(state.TrainCount) + " trains to select from");
    }
    state.ControlledTrain = checkedAdd(state.ControlledTrain, 1) % state.TrainCount;
    return trainColour(state, state.ControlledTrain);
}

std::int32_t ThrottleAfterKey(KeyCode key, std::int16_t value) {
    switch (key) {
    case kKeyUp:
        return MinOf(kThrottleMax, checkedAdd(value, kThrottleKeyStep));
    case kKeyDown:
        return MaxOf(kThrottleMin, checkedSubtract(value, kThrottleKeyStep));
    default:
        return value;
    }
}
