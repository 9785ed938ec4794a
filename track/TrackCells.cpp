#include "track/TrackCells.h"

#include "app/Fatal.h"

#include <string>
#include <utility>

TrackCells::TrackCells() {
    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        m_colours[slot] = TrackSeg[slot].tag.empty() ? kWhite : kYellow;
    }
    m_coloursTaken = m_colours;
}

int TrackCells::slotOf(CellIndex n) {
    const auto slot = cellSlot(n);
    if (!slot) {
        stopWithError("the track has no cell " + std::to_string(n));
    }
    return *slot;
}

std::string_view TrackCells::Tag(CellIndex n) const {
    return TrackSeg[static_cast<std::size_t>(slotOf(n))].tag;
}

void TrackCells::SetBackColor(CellIndex n, Colour colour) {
    const auto slot = static_cast<std::size_t>(slotOf(n));
    if (m_colours[slot] == colour) {
        return;
    }
    m_colours[slot] = colour;
    if (m_changed[slot]) {
        return;
    }
    m_changed[slot] = true;
    m_changedSlots.push_back(static_cast<int>(slot));
    if (m_changedSlots.size() == 1 && m_changeListener) {
        m_changeListener();
    }
}

Colour TrackCells::colourAt(int slot) const {
    return m_colours.at(static_cast<std::size_t>(slot));
}

std::vector<int> TrackCells::takeChangedSlots() {
    std::vector<int> changed;
    for (const int slot : m_changedSlots) {
        const auto at = static_cast<std::size_t>(slot);
        m_changed[at] = false;
        if (m_colours[at] != m_coloursTaken[at]) {
            m_coloursTaken[at] = m_colours[at];
            changed.push_back(slot);
        }
    }
    m_changedSlots.clear();
    return changed;
}

void TrackCells::setChangeListener(std::function<void()> listener) {
    m_changeListener = std::move(listener);
}
