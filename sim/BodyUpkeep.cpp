#include "sim/BodyUpkeep.h"

#include <algorithm>

void HideTheWorm(SharedState& state, CellDisplay& cells, int index) {
    cells.SetBackColors(bodyOf(state, index), state.TrackColor);
}

void FeedTheWorm(SharedState& state, int index, CellIndex newHeadPos) {
    const std::span<CellIndex> body = bodyOf(state, index);
    if (body.size() > 1) {
        std::copy_backward(body.begin(), body.end() - 1, body.end());
    }
    trainAt(state, index).Body[0] = newHeadPos;
}

void PaintTheWorm(SharedState& state, CellDisplay& cells, int index) {
    // Looked up only when a cell is painted: a train with an empty body has no colour yet.
    const std::span<const CellIndex> body = bodyOf(state, index);
    if (std::any_of(body.begin(), body.end(), [](CellIndex cell) { return cell != 0; })) {
        cells.SetBackColors(body, trainColor(state, index));
    }
}
