#include "track/TrackCells.h"

#include "ui/PaintedCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kTrainColor = 0x7F7F00;

int slotOf(CellIndex n) {
    const auto slot = cellSlot(n);
    EXPECT_TRUE(slot.has_value()) << n;
    return slot.value_or(0);
}

// A message pattern that names `n` as a whole number.
std::string namedIn(CellIndex n) {
    return (n < 0 ? "" : "[^0-9]") + std::to_string(n) + "([^0-9]|$)";
}

// Checks the colour of every cell against `expected`, which maps a cell index to its colour.
template <typename Expected>
void expectColors(const TrackCells& cells, Expected expected) {
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        const CellIndex n = TrackSeg[static_cast<std::size_t>(slot)].index;
        EXPECT_EQ(cells.colorAt(slot), expected(n)) << n;
    }
}

std::vector<int> sorted(std::vector<int> slots) {
    std::sort(slots.begin(), slots.end());
    return slots;
}

} // namespace

// --- Colours -------------------------------------------------------------------------------------

TEST(TrackCellsColors, StartInTheDesignColors) {
    // Yellow is red 255, green 255, blue 0; white all three at 255.
    expectColors(TrackCells(), [](CellIndex n) { return isNodeCell(n) ? 0x00FFFF : 0xFFFFFF; });
}

TEST(TrackCellsColors, SetBackColorChangesOnlyThatCellShownOrHiddenAndTheLastColorHolds) {
    TrackCells cells;
    cells.SetBackColor(60, kTrainColor);
    cells.SetBackColor(31, kRed);
    cells.SetBackColor(502, kRed);
    cells.SetBackColor(502, kGreen);
    EXPECT_EQ(cells.colorAt(slotOf(502)), kGreen);
    // A node cell that a train has left takes the track colour like any other cell.
    cells.SetBackColor(502, kWhite);
    expectColors(cells, [](CellIndex n) {
        return n == 60                     ? kTrainColor
               : n == 31                   ? kRed
               : isNodeCell(n) && n != 502 ? kYellow
                                           : kWhite;
    });
}

TEST(TrackCellsColors, EveryCellIsReachedThroughTheCellDisplay) {
    TrackCells cells;
    CellDisplay& display = cells;
    for (const TrackCell& c : TrackSeg) {
        display.SetBackColor(c.index, c.index);
    }
    expectColors(cells, [](CellIndex n) { return n; });
}

// --- Tags ----------------------------------------------------------------------------------------

TEST(TrackCellsTags, NodeCellsGiveTheirRouteListAndPlainCellsNothingWhateverTheirColor) {
    TrackCells cells;
    for (const bool colored : {false, true}) {
        if (colored) {
            cells.SetBackColor(501, kRed);
            cells.SetBackColor(2, kRed);
        }
        EXPECT_EQ(cells.Tag(501), "3,502,22,2,502,113,84,503,24,68");
        EXPECT_EQ(cells.Tag(502), "4,501,84,113,501,2,22,503,146,134,503,133,115");
        EXPECT_EQ(cells.Tag(503), "3,502,115,133,502,134,146,501,68,24");
        for (const TrackCell& c : TrackSeg) {
            EXPECT_EQ(cells.Tag(c.index), c.tag) << c.index;
            EXPECT_EQ(cells.Tag(c.index).empty(), !isNodeCell(c.index)) << c.index;
        }
    }
}

// --- What a view drew and what it must draw again ------------------------------------------------

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

// --- Indices that name no cell -------------------------------------------------------------------

// The program stops with a message naming the index rather than read or write beside the table.
TEST(TrackCellsDeathTest, ATagOrAColorForAnIndexWithoutACellStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TrackCells cells;
    for (const CellIndex n : {1, 23, 0, 69, 114, 147, 500, 504, -5, 65536 + 2}) {
        EXPECT_DEATH(cells.Tag(n), namedIn(n));
    }
    for (const CellIndex n : {114, 0, 504, -1}) {
        EXPECT_DEATH(cells.SetBackColor(n, kRed), namedIn(n));
    }
}
