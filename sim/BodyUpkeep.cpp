#include "sim/BodyUpkeep.h"

#include "app/Fatal.h"

#include <algorithm>
#include <span>
#include <string>

namespace {

// Body[0]..Body[Length - 1]: none for a length of 0 or less. Lengths are kept within the
// body where they change, so a longer one means the state is corrupt.
std::span<CellIndex> bodyOf(TrainRecord& train, int index) {
    if (train.Length > kBodyCapacity) {
        stopWithError("train " + std::to_string(index) + " has length " +
                      std::to_string(train.Length) + ", more than its body holds");
    }
    return std::span(train.Body).first(static_cast<std::size_t>(std::max(0, train.Length)));
}

} // namespace

void HideTheWorm(SharedState& state, CellDisplay& cells, int index) {
    for (const CellIndex cell : bodyOf(trainAt(state, index), index)) {
        if (cell != 0) {
            cells.SetBackColor(cell, state.TrackColor);
        }
    }
}

void FeedTheWorm(SharedState& state, int index, CellIndex newHeadPos) {
    TrainRecord& train = trainAt(state, index);
    const std::span<CellIndex> body = bodyOf(train, index);
    if (body.size() > 1) {
        std::copy_backward(body.begin(), body.end() - 1, body.end());
    }
    train.Body[0] = newHeadPos;
}

void PaintTheWorm(SharedState& state, CellDisplay& cells, int index) {
    TrainRecord& train = trainAt(state, index);
    for (const CellIndex cell : bodyOf(train, index)) {
        if (cell == 0) {
            continue;
        }
        // Looked up only when a cell is painted: a train with an empty body has no colour yet.
        if (train.ColorIndex < 0 || train.ColorIndex >= kPaletteSize) {
            stopWithError("train " + std::to_string(index) + " has colour index " +
                          std::to_string(train.ColorIndex) + ", outside the palette");
        }
        cells.SetBackColor(cell, state.Palette[static_cast<std::size_t>(train.ColorIndex)]);
    }
}
