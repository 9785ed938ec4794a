#pragma once

#include "track/CellDisplay.h"
#include "track/TrackLayout.h"

#include <array>
#include <functional>
#include <vector>

// The colours of the shipped track's cells, as the trains set them. Every write lands here at
// once; a view reads the cells that changed when it next draws, so a train stepping every
// millisecond costs one repaint a frame, not one a write.
class TrackCells final : public CellDisplay {
public:
    // The design colours: node cells yellow, plain cells white.
    TrackCells();

    std::string_view Tag(CellIndex n) const override;
    void SetBackColor(CellIndex n, Colour colour) override;

    // The colour of the cell at `slot` of TrackSeg.
    Colour colourAt(int slot) const;

    // The slots of TrackSeg whose colour differs from what it was at the last call, each
    // once. A cell painted over and back in between (a long train hides its whole body and
    // paints it again one cell on) has not changed.
    std::vector<int> takeChangedSlots();

    // Called on the first change after takeChangedSlots(), so a view can plan its next frame.
    void setChangeListener(std::function<void()> listener);

private:
    static int slotOf(CellIndex n);

    std::array<Colour, kTrackCellCount> m_colours{};
    std::array<Colour, kTrackCellCount> m_coloursTaken{};
    std::array<bool, kTrackCellCount> m_changed{};
    std::vector<int> m_changedSlots;
    std::function<void()> m_changeListener;
};
