#include "ui/PaintedCells.h"

#include "CellColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <vector>

// What a view drew, and what it must draw again.

namespace {

std::vector<int> sorted(std::vector<int> slots) {
    std::sort(slots.begin(), slots.end());
    return slots;
}

TEST(PaintedCells, NothingChangesAtFirstNorByWritingTheColorACellAlreadyHas) {
    TrackCells cells;
    PaintedCells painted(cells);
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());
    cells.SetBackColor(2, kWhite);
    cells.SetBackColor(501, kYellow);
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());

    cells.SetBackColor(2, kRed);
    painted.takeChangedSlots(cells);
    cells.SetBackColor(2, kRed);
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());
}

TEST(PaintedCells, EachChangedSlotIsTakenOnceAndThenNoMore) {
    TrackCells cells;
    PaintedCells painted(cells);
    cells.SetBackColor(60, kRed);
    cells.SetBackColor(2, kRed);
    cells.SetBackColor(60, kGreen);
    cells.SetBackColor(503, kRed);
    cells.SetBackColor(2, kGreen);

    EXPECT_EQ(sorted(painted.takeChangedSlots(cells)),
              sorted({slotOf(60), slotOf(2), slotOf(503)}));
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());

    // A slot taken once is reported again when it changes again.
    cells.SetBackColor(60, kRed);
    EXPECT_EQ(painted.takeChangedSlots(cells), std::vector<int>{slotOf(60)});
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());
}

TEST(PaintedCells, ATrainSweepReportsEveryCellOfTheTrackOnce) {
    TrackCells cells;
    PaintedCells painted(cells);
    for (int round = 0; round < 3; ++round) {
        for (const TrackCell& c : TrackSeg) {
            cells.SetBackColor(c.index, kTrainColor + round);
        }
    }
    const std::vector<int> slots = painted.takeChangedSlots(cells);
    EXPECT_EQ(slots.size(), static_cast<std::size_t>(kTrackCellCount));
    EXPECT_EQ(std::set<int>(slots.begin(), slots.end()).size(),
              static_cast<std::size_t>(kTrackCellCount));
}

TEST(PaintedCells, ACellPaintedOverAndBackBetweenTakesHasNotChanged) {
    TrackCells cells;
    PaintedCells painted(cells);
    cells.SetBackColor(60, kRed);
    cells.SetBackColor(61, kRed);
    painted.takeChangedSlots(cells);

    // A long train's step: its whole body hidden, then painted again one cell on.
    for (const CellIndex n : {60, 61}) {
        cells.SetBackColor(n, kWhite);
    }
    for (const CellIndex n : {61, 62}) {
        cells.SetBackColor(n, kRed);
    }
    EXPECT_EQ(sorted(painted.takeChangedSlots(cells)), sorted({slotOf(60), slotOf(62)}));

    // Back to the colour of the last take: no change either.
    cells.SetBackColor(2, kGreen);
    cells.SetBackColor(2, kWhite);
    EXPECT_TRUE(painted.takeChangedSlots(cells).empty());
}

} // namespace
