#include "sim/KeyPoll.h"

#include "base/CheckedArithmetic.h"
#include "base/Fatal.h"
#include "sim/TrainControls.h"
#include "sim/UtilityFunctions.h"

#include <string>

namespace {

constexpr std::int16_t kThrottleKeyStep = 5;

} // namespace

Color SelectNextTrain(SharedState& state) {
    if (state.TrainCount <= 0) {
        stopWithError("there are " + std::to_string(state.TrainCount) + " trains to select from");
    }
    state.ControlledTrain = checkedAdd(state.ControlledTrain, 1) % state.TrainCount;
    return trainColor(state, state.ControlledTrain);
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

bool PollActsOn(KeyCode key) {
    return key == kKeyCtrl || key == kKeyUp || key == kKeyDown;
}

KeyPollOutcome PollHeldKey(SharedState& state) {
    KeyPollOutcome outcome;
    switch (state.KeyDownCode) {
    case kKeyCtrl:
        outcome.selectedColor = SelectNextTrain(state);
        break;
    case kKeyUp:
    case kKeyDown: {
        const int train = state.ControlledTrain;
        // A throttle lies within 0..100, so it fits the poll's 16 bits.
        const auto value = static_cast<std::int16_t>(trainAt(state, train).Throttle);
        if (SetThrottle(state, train, ThrottleAfterKey(state.KeyDownCode, value))) {
            outcome.throttleMoved = train;
        }
        break;
    }
    default:
        break;
    }
    return outcome;
}
