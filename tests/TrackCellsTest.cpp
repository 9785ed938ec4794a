#include "track/TrackCells.h"

#include "CellColors.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>

namespace {

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
    // A train's whole body at once: 0 is no cell yet and is passed over; any other index
    // without a cell stops the program.
    for (const CellIndex n : {114, 504, -1}) {
        const std::array<CellIndex, 3> body = {2, 0, n};
        EXPECT_DEATH(cells.SetBackColors(body, kRed), namedIn(n));
    }
}
