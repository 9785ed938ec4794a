#include "sim/SharedState.h"

#include "app/Fatal.h"

#include <string>

SharedState& programState() {
    static SharedState state;
    return state;
}

TrainRecord& trainAt(SharedState& state, int index) {
    if (index < 0 || index >= kTrainSlots) {
        stopWithError("there is no train " + std::to_string(index));
    }
    return state.TrainData[static_cast<std::size_t>(index)];
}
