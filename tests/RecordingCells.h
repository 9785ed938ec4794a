#pragma once

#include "track/CellDisplay.h"
#include "track/TrackLayout.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One colour written to one cell.
struct CellWrite {
    CellIndex cell;
    Color color;
    bool operator==(const CellWrite&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const CellWrite& write) {
    return out << write.cell << " <- " << write.color;
}

// The shipped track's Tags, and every colour write kept in the order the trains made them. A
// test may give a cell a Tag of its own to make a node with other routes. Reading or painting a
// cell that the track does not have is a test failure, not a stop.
class RecordingCells final : public CellDisplay {
public:
    std::string_view Tag(CellIndex n) const override {
        if (const auto own = m_tags.find(n); own != m_tags.end()) {
            return own->second;
        }
        const auto slot = cellSlot(n);
        EXPECT_TRUE(slot.has_value())
            << "the Tag of cell " << n << " was read, a cell the track lacks";
        return slot ? TrackSeg[static_cast<std::size_t>(*slot)].tag : std::string_view();
    }

    void SetBackColor(CellIndex n, Color color) override {
        EXPECT_TRUE(cellSlot(n).has_value())
            << "cell " << n << " was painted, a cell the track lacks";
        writes.push_back({n, color});
    }

    void setTag(CellIndex n, std::string tag) { m_tags[n] = std::move(tag); }

    // The colour written last to cell n, or nothing if no write reached it.
    std::optional<Color> lastColor(CellIndex n) const {
        for (auto write = writes.rbegin(); write != writes.rend(); ++write) {
            if (write->cell == n) {
                return write->color;
            }
        }
        return std::nullopt;
    }

    // The writes so far, which are then forgotten.
    std::vector<CellWrite> takeWrites() { return std::exchange(writes, {}); }

    std::vector<CellWrite> writes;

private:
    std::map<CellIndex, std::string> m_tags;
};
