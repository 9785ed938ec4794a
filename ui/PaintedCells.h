#pragma once

#include "track/TrackCells.h"

#include <array>
#include <vector>

// The colour of each cell as a view last drew it. The view compares it with the cells once a
// frame and repaints only what differs, so a train stepping every millisecond costs one
// repaint a frame, and a cell painted over and back between two frames costs none.
class PaintedCells {
public:
    // Starts from the cells as they stand, which the view's first paint draws.
    explicit PaintedCells(const TrackCells& cells);

    // The slots of TrackSeg whose colour in `cells` differs from the one drawn last, each
    // once; they count as drawn from now on.
    std::vector<int> takeChangedSlots(const TrackCells& cells);

private:
    std::array<Color, kTrackCellCount> m_drawn{};
};
