#pragma once

#include "track/CellDisplay.h"
#include "track/TrackLayout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A cell display with nothing behind it: it keeps each cell's colour and counts the writes, so
// that a benchmark measures the trains' own work and not a window's.
class CountingCells final : public CellDisplay {
public:
    std::string_view Tag(CellIndex n) const override { return TrackSeg[slot(n)].tag; }

    void SetBackColor(CellIndex n, Color color) override {
        m_colors[slot(n)] = color;
        ++writes;
    }

    void SetBackColors(std::span<const CellIndex> cells, Color color) override {
        for (const CellIndex n : cells) {
            if (n != 0) {
                m_colors[slot(n)] = color;
                ++writes;
            }
        }
    }

    std::int64_t writes = 0;

private:
    static std::size_t slot(CellIndex n) {
        const auto found = cellSlot(n);
        if (!found) {
            std::fprintf(stderr, "bench: cell %d is not on the track\n", static_cast<int>(n));
            std::abort();
        }
        return static_cast<std::size_t>(*found);
    }

    std::array<Color, kTrackCellCount> m_colors{};
};
