#pragma once

#include "track/CellDisplay.h"
#include "track/TrackLayout.h"

#include <array>

// The colours of the shipped track's cells, as the trains set them. A view draws them from
// here; what it last drew is its own business.
class TrackCells final : public CellDisplay {
public:
    // The design colours: node cells yellow, plain cells white.
    TrackCells();

    std::string_view Tag(CellIndex n) const override;
    void SetBackColor(CellIndex n, Color color) override;
    void SetBackColors(std::span<const CellIndex> cells, Color color) override;

    // The colour of the cell at `slot` of TrackSeg.
    Color colorAt(int slot) const;

private:
    static std::size_t slotOf(CellIndex n);

    std::array<Color, kTrackCellCount> m_colors{};
};
