#include "track/TrackCells.h"

#include "base/Fatal.h"

#include <string>

TrackCells::TrackCells() {
    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        m_colors[slot] = TrackSeg[slot].tag.empty() ? kWhite : kYellow;
    }
}

std::size_t TrackCells::slotOf(CellIndex n) {
    const auto slot = cellSlot(n);
    if (!slot) {
        stopWithError("the track has no cell " + std::to_string(n));
    }
    return static_cast<std::size_t>(*slot);
}

std::string_view TrackCells::Tag(CellIndex n) const {
    return TrackSeg[slotOf(n)].tag;
}

void TrackCells::SetBackColor(CellIndex n, Color color) {
    m_colors[slotOf(n)] = color;
}

void TrackCells::SetBackColors(std::span<const CellIndex> cells, Color color) {
    for (const CellIndex n : cells) {
        if (n != 0) {
            m_colors[slotOf(n)] = color;
        }
    }
}

Color TrackCells::colorAt(int slot) const {
    return m_colors.at(static_cast<std::size_t>(slot));
}
