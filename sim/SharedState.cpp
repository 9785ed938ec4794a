#include "sim/SharedState.h"

#include "base/Fatal.h"

#include <algorithm>
#include <string>

namespace {

std::size_t bodyLength(const SharedState& state, int index) {
    const std::int32_t length = trainAt(state, index).Length;
    if (length > kBodyCapacity) {
        stopWithError("train " + std::to_string(index) + " has length " + std::to_string(length) +
                      ", more than its body holds");
    }
    return static_cast<std::size_t>(std::max(0, length));
}

} // namespace

std::size_t trainSlot(int index) {
    if (index < 0 || index >= kTrainSlots) {
        stopWithError("there is no train " + std::to_string(index));
    }
    return static_cast<std::size_t>(index);
}

TrainRecord& trainAt(SharedState& state, int index) {
    return state.TrainData[trainSlot(index)];
}

const TrainRecord& trainAt(const SharedState& state, int index) {
    return state.TrainData[trainSlot(index)];
}

std::span<CellIndex> bodyOf(SharedState& state, int index) {
    return std::span(trainAt(state, index).Body).first(bodyLength(state, index));
}

std::span<const CellIndex> bodyOf(const SharedState& state, int index) {
    return std::span(trainAt(state, index).Body).first(bodyLength(state, index));
}

Color trainColor(const SharedState& state, int index) {
    const std::int32_t colorIndex = trainAt(state, index).ColorIndex;
    if (colorIndex < 0 || colorIndex >= kPaletteSize) {
        stopWithError("train " + std::to_string(index) + " has colour index " +
                      std::to_string(colorIndex) + ", outside the palette");
    }
    return state.Palette[static_cast<std::size_t>(colorIndex)];
}
