#include "ui/PaintedCells.h"

PaintedCells::PaintedCells(const TrackCells& cells) {
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        m_drawn[static_cast<std::size_t>(slot)] = cells.colorAt(slot);
    }
}

std::vector<int> PaintedCells::takeChangedSlots(const TrackCells& cells) {
    std::vector<int> changed;
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        Color& drawn = m_drawn[static_cast<std::size_t>(slot)];
        const Color now = cells.colorAt(slot);
        if (drawn != now) {
            drawn = now;
            changed.push_back(slot);
        }
    }
    return changed;
}
