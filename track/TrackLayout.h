#pragma once

#include "track/CellIndex.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

// The fixed track: 131 cells and the six lines of the bridge. Measures are in twips.
//
// Neighbourhood is by index: along a run the cells with consecutive indices are neighbours,
// and the node cells 501..503 list in their Tag the runs that leave them. Nothing else
// describes the track; the places only serve to draw it.

struct TrackCell {
    CellIndex index;
    int left;
    int top;
    int width;
    int height;
    bool shown;
    std::string_view tag;
};

struct TrackLine {
    int x1;
    int y1;
    int x2;
    int y2;
};

inline constexpr int kTrackCellCount = 131;
inline constexpr CellIndex kFirstNode = 501;
inline constexpr CellIndex kLastNode = 503;
inline constexpr CellIndex kHighestCellIndex = kLastNode;

// The cells in index order.
extern const std::array<TrackCell, kTrackCellCount> TrackSeg;

// Line7 to Line12, the two parapets of the bridge that carries cells 59..61 over the
// hidden cells 30..32.
extern const std::array<TrackLine, 6> BridgeLines;

namespace track_detail {
inline constexpr std::int16_t kNoSlot = -1;
// The slot in TrackSeg of each index up to the highest, kNoSlot where no cell has it.
extern const std::array<std::int16_t, kHighestCellIndex + 1> SlotOfIndex;
} // namespace track_detail

// Where cell n stands in TrackSeg, or nothing when no cell has that index. Inline: every
// colour a train writes looks its cell up here.
inline std::optional<int> cellSlot(CellIndex n) {
    if (n < 0 || n > kHighestCellIndex) {
        return std::nullopt;
    }
    const int slot = track_detail::SlotOfIndex[static_cast<std::size_t>(n)];
    if (slot == track_detail::kNoSlot) {
        return std::nullopt;
    }
    return slot;
}

inline bool isNodeCell(CellIndex n) {
    return n >= kFirstNode && n <= kLastNode;
}
