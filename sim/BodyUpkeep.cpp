#include "sim/BodyUpkeep.h"

#include <algorithm>
#include <optional>

void HideTheWorm(SharedState& state, CellDisplay& cells, int index) {
    for (const CellIndex cell : bodyOf(state, index)) {
        if (cell != 0) {
            cells.SetBackColor(cell, state.TrackColor);
        }
    }
}

void FeedTheWorm(SharedState& state, int index, CellIndex newHeadPos) {
    const std::span<CellIndex> body = bodyOf(state, index);
    if (body.size() > 1) {
        std::copy_backward(body.begin(), body.end() - 1, body.end());
    }
    trainAt(state, index).Body[0] = newHeadPos;
}

void PaintTheWorm(SharedState& state, CellDisplay& cells, int index) {
    // Looked up at the first cell painted, and only then: a train with an empty body has no
    // colour yet.
    std::optional<Color> color;
    for (const CellIndex cell : bodyOf(state, index)) {
        if (cell != 0) {
            if (!color) {
                color = trainColor(state, index);
            }
            cells.SetBackColor(cell, *color);
        }
    }
}
