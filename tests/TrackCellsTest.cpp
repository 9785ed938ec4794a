#include "track/TrackCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <set>
#include <vector>

namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kTrainColour = 0x7F7F00;

int slotOf(CellIndex n) {
    const auto slot = cellSlot(n);
    EXPECT_TRUE(slot.has_value()) << n;
    return slot.value_or(0);
}

std::vector<int> sorted(std::vector<int> slots) {
    std::sort(slots.begin(), slots.end());
    return slots;
}

} // namespace

// --- Colours ------------------------------------------------------------------------------------

TEST(TrackCellsColours, StartInTheDesignColours) {
    const TrackCells cells;
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        const CellIndex n = TrackSeg[static_cast<std::size_t>(slot)].index;
        EXPECT_EQ(cells.colourAt(slot), isNodeCell(n) ? 0x00FFFF : 0xFFFFFF) << n;
    }
    EXPECT_EQ(cells.colourAt(slotOf(501)), 65535); // yellow: red 255, green 255, blue 0
}

TEST(TrackCellsColours, SetBackColorChangesOnlyThatCell) {
    TrackCells cells;
    cells.SetBackColor(60, kTrainColour);
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        const CellIndex n = TrackSeg[static_cast<std::size_t>(slot)].index;
        const Colour design = isNodeCell(n) ? kYellow : kWhite;
        EXPECT_EQ(cells.colourAt(slot), n == 60 ? kTrainColour : design) << n;
    }
}

TEST(TrackCellsColours, TheLastColourSetIsTheOneThatHolds) {
    TrackCells cells;
    cells.SetBackColor(502, kRed);
    cells.SetBackColor(502, kGreen);
    EXPECT_EQ(cells.colourAt(slotOf(502)), kGreen);
    // A node cell that a train has left takes the track colour like any other cell.
    cells.SetBackColor(502, kWhite);
    EXPECT_EQ(cells.colourAt(slotOf(502)), kWhite);
}

TEST(TrackCellsColours, HiddenCellsTakeColoursToo) {
    TrackCells cells;
    cells.SetBackColor(31, kRed);
    EXPECT_EQ(cells.colourAt(slotOf(31)), kRed);
    EXPECT_EQ(cells.colourAt(slotOf(60)), kWhite);
}

TEST(TrackCellsColours, EveryCellIsReachedThroughTheCellDisplay) {
    TrackCells cells;
    CellDisplay& display = cells;
    for (const TrackCell& c : TrackSeg) {
        display.SetBackColor(c.index, c.index);
    }
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        EXPECT_EQ(cells.colourAt(slot), TrackSeg[static_cast<std::size_t>(slot)].index);
    }
}

// --- Tags ---------------------------------------------------------------------------------------

TEST(TrackCellsTags, NodeCellsGiveTheirRouteListAndPlainCellsNothing) {
    const TrackCells cells;
    EXPECT_EQ(cells.Tag(501), "3,502,22,2,502,113,84,503,24,68");
    EXPECT_EQ(cells.Tag(502), "4,501,84,113,501,2,22,503,146,134,503,133,115");
    EXPECT_EQ(cells.Tag(503), "3,502,115,133,502,134,146,501,68,24");
    for (const TrackCell& c : TrackSeg) {
        EXPECT_EQ(cells.Tag(c.index), c.tag) << c.index;
        EXPECT_EQ(cells.Tag(c.index).empty(), !isNodeCell(c.index)) << c.index;
    }
}

TEST(TrackCellsTags, AColourDoesNotChangeATag) {
    TrackCells cells;
    cells.SetBackColor(501, kRed);
    cells.SetBackColor(2, kRed);
    EXPECT_EQ(cells.Tag(501), "3,502,22,2,502,113,84,503,24,68");
    EXPECT_EQ(cells.Tag(2), "");
}

// --- Changes for the view -----------------------------------------------------------------------

TEST(TrackCellsChanges, NothingHasChangedAtFirst) {
    TrackCells cells;
    EXPECT_TRUE(cells.takeChangedSlots().empty());
}

TEST(TrackCellsChanges, EachChangedSlotIsTakenOnceAndThenNoMore) {
    TrackCells cells;
    cells.SetBackColor(60, kRed);
    cells.SetBackColor(2, kRed);
    cells.SetBackColor(60, kGreen);
    cells.SetBackColor(503, kRed);
    cells.SetBackColor(2, kGreen);

    EXPECT_EQ(sorted(cells.takeChangedSlots()), sorted({slotOf(60), slotOf(2), slotOf(503)}));
    EXPECT_TRUE(cells.takeChangedSlots().empty());

    // A slot taken once is reported again when it changes again.
    cells.SetBackColor(60, kRed);
    EXPECT_EQ(cells.takeChangedSlots(), std::vector<int>{slotOf(60)});
    EXPECT_TRUE(cells.takeChangedSlots().empty());
}

TEST(TrackCellsChanges, WritingTheColourACellAlreadyHasIsNoChange) {
    TrackCells cells;
    cells.SetBackColor(2, kWhite);
    cells.SetBackColor(501, kYellow);
    EXPECT_TRUE(cells.takeChangedSlots().empty());

    cells.SetBackColor(2, kRed);
    cells.takeChangedSlots();
    cells.SetBackColor(2, kRed);
    EXPECT_TRUE(cells.takeChangedSlots().empty());
}

TEST(TrackCellsChanges, ATrainSweepReportsEveryCellOfTheTrackOnce) {
    TrackCells cells;
    for (int round = 0; round < 3; ++round) {
        for (const TrackCell& c : TrackSeg) {
            cells.SetBackColor(c.index, kTrainColour + round);
        }
    }
    const std::vector<int> slots = cells.takeChangedSlots();
    EXPECT_EQ(slots.size(), static_cast<std::size_t>(kTrackCellCount));
    EXPECT_EQ(std::set<int>(slots.begin(), slots.end()).size(),
              static_cast<std::size_t>(kTrackCellCount));
}

TEST(TrackCellsChanges, TheListenerHearsTheFirstChangeOfEachBatch) {
    TrackCells cells;
    int calls = 0;
    cells.setChangeListener([&calls] { ++calls; });

    cells.SetBackColor(2, kWhite); // no change
    EXPECT_EQ(calls, 0);

    cells.SetBackColor(2, kRed);
    EXPECT_EQ(calls, 1);
    cells.SetBackColor(3, kRed);
    cells.SetBackColor(2, kGreen);
    EXPECT_EQ(calls, 1);

    cells.takeChangedSlots();
    EXPECT_EQ(calls, 1);
    cells.SetBackColor(2, kGreen); // no change
    EXPECT_EQ(calls, 1);
    cells.SetBackColor(4, kRed);
    EXPECT_EQ(calls, 2);
    cells.SetBackColor(5, kRed);
    EXPECT_EQ(calls, 2);

    // An empty take starts no new batch by itself.
    cells.takeChangedSlots();
    cells.takeChangedSlots();
    EXPECT_EQ(calls, 2);
    cells.SetBackColor(4, kGreen);
    EXPECT_EQ(calls, 3);
}

TEST(TrackCellsChanges, AReplacedListenerIsTheOnlyOneThatHears) {
    TrackCells cells;
    int first = 0;
    int second = 0;
    cells.setChangeListener([&first] { ++first; });
    cells.setChangeListener([&second] { ++second; });
    cells.SetBackColor(2, kRed);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 1);

    cells.setChangeListener(nullptr);
    cells.takeChangedSlots();
    cells.SetBackColor(2, kGreen); // no listener: nothing to call, and no crash
    EXPECT_EQ(second, 1);
    EXPECT_EQ(cells.takeChangedSlots(), std::vector<int>{slotOf(2)});
}

// --- Indices that name no cell ------------------------------------------------------------------

// The program stops with a message naming the index rather than read or write beside the table.
TEST(TrackCellsDeathTest, ATagOfAnIndexWithoutACellStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const TrackCells cells;
    EXPECT_DEATH(cells.Tag(1), "[^0-9]1([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(23), "[^0-9]23([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(0), "[^0-9]0([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(69), "[^0-9]69([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(114), "[^0-9]114([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(147), "[^0-9]147([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(500), "[^0-9]500([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(504), "[^0-9]504([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(-5), "-5([^0-9]|$)");
    EXPECT_DEATH(cells.Tag(65536 + 2), "[^0-9]65538([^0-9]|$)");
}

TEST(TrackCellsDeathTest, AColourForAnIndexWithoutACellStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    TrackCells cells;
    EXPECT_DEATH(cells.SetBackColor(114, kRed), "[^0-9]114([^0-9]|$)");
    EXPECT_DEATH(cells.SetBackColor(0, kRed), "[^0-9]0([^0-9]|$)");
    EXPECT_DEATH(cells.SetBackColor(504, kRed), "[^0-9]504([^0-9]|$)");
    EXPECT_DEATH(cells.SetBackColor(-1, kRed), "-1([^0-9]|$)");
}
