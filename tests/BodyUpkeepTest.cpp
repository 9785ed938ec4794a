#include "sim/BodyUpkeep.h"

#include "PaintedState.h"
#include "RecordingCells.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The middle record, so that a write beside it would land in a neighbour.
constexpr int kTrain = 1;

constexpr Color kTrackGrey = 0x808080;

// One step as the movement makes it, with the new head given.
void step(SharedState& state, CellDisplay& cells, int index, CellIndex head) {
    HideTheWorm(state, cells, index);
    FeedTheWorm(state, index, head);
    PaintTheWorm(state, cells, index);
}

// The track's cells in turn, so that a body of any length names real cells.
CellIndex cellNo(std::size_t k) {
    return TrackSeg[k % TrackSeg.size()].index;
}

std::vector<CellWrite> writesOf(const std::vector<CellIndex>& cells, Color color) {
    std::vector<CellWrite> writes;
    for (const CellIndex cell : cells) {
        writes.push_back({cell, color});
    }
    return writes;
}

std::string stopNaming(std::string_view about, long n) {
    return "varnok: internal error: .*" + std::string(about) + " " + std::to_string(n) +
           "([^0-9]|$)";
}

} // namespace

// --- Feeding ------------------------------------------------------------------------------------

// After the heads 1, 2, ..., n entry k below the length holds head n - k, or 0 while the train
// has made fewer steps. Body[0] follows the head at any length. Entries from the length on keep
// what they held, here cells left over from a longer train.
TEST(FeedTheWorm, KeepsTheNewestHeadsNewestFirstWithinTheLengthAndNothingBeyond) {
    for (const std::int32_t length : {-3, 0, 1, 5, 501}) {
        for (const CellIndex feeds : {1, 3, 6, 502}) {
            SCOPED_TRACE(testing::Message() << "length " << length << ", " << feeds << " feeds");
            SharedState state;
            TrainRecord& train = state.TrainData[kTrain];
            train.Length = length;
            train.ColorIndex = 11;
            train.Speed = 12;
            state.TrainData[kTrain - 1].Speed = 13;
            state.TrainData[kTrain + 1].HeadPos = 14;
            const auto leftOver = [](std::size_t k) { return 1000 + static_cast<CellIndex>(k); };
            for (std::size_t k = 0; k < train.Body.size(); ++k) {
                train.Body[k] = static_cast<std::int32_t>(k) < length ? 0 : leftOver(k);
            }

            for (CellIndex head = 1; head <= feeds; ++head) {
                FeedTheWorm(state, kTrain, head);
            }

            std::array<CellIndex, kBodyCapacity> expected{};
            expected[0] = feeds;
            for (std::size_t k = 1; k < expected.size(); ++k) {
                const auto back = static_cast<CellIndex>(k);
                expected[k] = back < length ? std::max(feeds - back, 0) : leftOver(k);
            }
            EXPECT_EQ(train.Body, expected);
            EXPECT_EQ(train.Length, length);
            EXPECT_EQ(train.ColorIndex, 11);
            EXPECT_EQ(train.Speed, 12);
            EXPECT_EQ(state.TrainData[kTrain - 1].Speed, 13);
            EXPECT_EQ(state.TrainData[kTrain + 1].HeadPos, 14);
        }
    }
}

// --- Hiding and painting ------------------------------------------------------------------------

TEST(HideAndPaintTheWorm, WriteTheNonZeroEntriesBelowTheLengthHeadFirst) {
    struct Body {
        std::int32_t length;
        std::vector<CellIndex> entries;
        std::vector<CellIndex> written;
    };
    std::vector<Body> bodies = {
        {-1, {60, 61}, {}},
        {0, {60, 61}, {}},
        {1, {60, 61}, {60}},
        // Three steps after the start of a train of five; 63 lies beyond the length.
        {5, {60, 61, 62, 0, 0, 63}, {60, 61, 62}},
        // A 0 inside the body is skipped, not taken for its end; a node is a cell like any other.
        {5, {60, 0, 62, 503, 64, 65}, {60, 62, 503, 64}},
    };
    // The longest body reaches Body[500].
    Body longest{kBodyCapacity, {}, {}};
    for (std::size_t k = 0; k < kBodyCapacity; ++k) {
        longest.entries.push_back(cellNo(k));
    }
    longest.written = longest.entries;
    bodies.push_back(longest);

    for (const auto& [length, entries, written] : bodies) {
        SCOPED_TRACE(testing::Message()
                     << "length " << length << ", " << entries.size() << " entries");
        SharedState state = paintedState();
        state.TrackColor = kTrackGrey; // not the default, to show it is the one written
        RecordingCells cells;
        TrainRecord& train = state.TrainData[kTrain];
        train.Length = length;
        train.ColorIndex = 26;
        std::copy(entries.begin(), entries.end(), train.Body.begin());

        HideTheWorm(state, cells, kTrain);
        EXPECT_EQ(cells.takeWrites(), writesOf(written, kTrackGrey));
        PaintTheWorm(state, cells, kTrain);
        EXPECT_EQ(cells.takeWrites(), writesOf(written, state.Palette[26]));
        EXPECT_TRUE(std::equal(entries.begin(), entries.end(), train.Body.begin()));
    }
}

TEST(BodyUpkeep, ATrainGrowsToItsLengthOverItsFirstSteps) {
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& train = state.TrainData[kTrain];
    train.Length = 5;
    train.ColorIndex = 4;
    struct Counts {
        std::size_t cleared;
        std::size_t painted;
    };
    const std::array<Counts, 8> counts = {
        {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}, {5, 5}, {5, 5}, {5, 5}}};
    CellIndex head = 24;
    for (const auto& [cleared, painted] : counts) {
        SCOPED_TRACE(testing::Message() << "head " << head);
        step(state, cells, kTrain, head++);
        const std::vector<CellWrite> writes = cells.takeWrites();
        ASSERT_EQ(writes.size(), cleared + painted);
        EXPECT_TRUE(std::all_of(writes.begin(), writes.begin() + static_cast<long>(cleared),
                                [](const CellWrite& w) { return w.color == kWhite; }));
        EXPECT_EQ(writes.back(),
                  (CellWrite{head - static_cast<CellIndex>(painted), state.Palette[4]}));
    }
}

// A shortened train leaves its former tail painted; lengthened again, it clears one entry more,
// a cell left behind included.
TEST(BodyUpkeep, ChangingTheLengthLeavesOrClearsTheCellsBeyondIt) {
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& train = state.TrainData[kTrain];
    train.ColorIndex = 9;
    struct Steps {
        std::int32_t length;
        std::vector<CellIndex> heads;
        std::string_view shows; // cells 24..31: P the train's colour, T the track's, - untouched
    };
    const std::array<Steps, 4> steps = {{
        {5, {24, 25, 26, 27, 28}, "PPPPP---"},
        {3, {29}, "PPTPPP--"},
        {4, {30}, "PTTPPPP-"},
        {4, {31}, "PTTTPPPP"},
    }};
    for (const auto& [length, heads, shows] : steps) {
        train.Length = length;
        for (const CellIndex head : heads) {
            step(state, cells, kTrain, head);
        }
        std::string shown;
        for (CellIndex cell = 24; cell <= 31; ++cell) {
            const auto color = cells.lastColor(cell);
            shown += !color ? '-' : *color == kWhite ? 'T' : *color == state.Palette[9] ? 'P' : '?';
        }
        EXPECT_EQ(shown, shows) << "length " << length << ", head " << heads.back();
    }
    // Cell 24 is still listed beyond the length, and only there.
    EXPECT_EQ(std::vector<CellIndex>(train.Body.begin(), train.Body.begin() + 6),
              (std::vector<CellIndex>{31, 30, 29, 28, 24, 0}));
}

TEST(BodyUpkeep, ACellInTwoBodiesShowsTheTrainThatPaintedItLast) {
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& a = state.TrainData[0];
    TrainRecord& b = state.TrainData[2];
    a.Length = 3;
    a.ColorIndex = 3;
    a.Body = {30, 31, 32};
    b.Length = 2;
    b.ColorIndex = 9;
    b.Body = {32, 33};
    using Method = void (*)(SharedState&, CellDisplay&, int);
    struct Write {
        Method method;
        int train;
        Color shows32; // the colour cell 32 shows afterwards
    };
    const Color colorA = state.Palette[3];
    const Color colorB = state.Palette[9];
    const std::array<Write, 6> writes = {{
        {PaintTheWorm, 0, colorA},
        {PaintTheWorm, 2, colorB},
        {HideTheWorm, 0, kWhite},
        {PaintTheWorm, 2, colorB},
        {PaintTheWorm, 0, colorA},
        {HideTheWorm, 2, kWhite},
    }};
    for (const auto& [method, train, shows32] : writes) {
        method(state, cells, train);
        EXPECT_EQ(cells.lastColor(32), shows32) << "after a write by train " << train;
    }
    EXPECT_EQ(cells.lastColor(31), colorA);
    EXPECT_EQ(cells.lastColor(33), kWhite);
}

TEST(BodyUpkeep, TheColorIsLookedUpOnlyForACellToPaint) {
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& train = state.TrainData[kTrain];
    train.Length = 5;
    train.ColorIndex = kPaletteSize;
    PaintTheWorm(state, cells, kTrain);
    train.Body[0] = 60;
    HideTheWorm(state, cells, kTrain);
    EXPECT_EQ(cells.writes, (std::vector<CellWrite>{{60, kWhite}}));
}

// --- Faults -------------------------------------------------------------------------------------

TEST(BodyUpkeepDeathTest, ALengthBeyondTheBodyATrainOutsideTheThreeOrAColorOutsideThePalette) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SharedState state = paintedState();
    RecordingCells cells;
    TrainRecord& train = state.TrainData[kTrain];
    train.Body[0] = 60;

    for (const std::int32_t length : {502, 1000, INT32_MAX}) {
        train.Length = length;
        const std::string stop = stopNaming("length", length);
        EXPECT_DEATH(HideTheWorm(state, cells, kTrain), stop);
        EXPECT_DEATH(FeedTheWorm(state, kTrain, 61), stop);
        EXPECT_DEATH(PaintTheWorm(state, cells, kTrain), stop);
    }

    train.Length = 5;
    for (const int index : {-1, 3}) {
        const std::string stop = stopNaming("train", index);
        EXPECT_DEATH(HideTheWorm(state, cells, index), stop);
        EXPECT_DEATH(FeedTheWorm(state, index, 61), stop);
        EXPECT_DEATH(PaintTheWorm(state, cells, index), stop);
    }

    for (const std::int32_t color : {-1, kPaletteSize, 1000}) {
        train.ColorIndex = color;
        EXPECT_DEATH(PaintTheWorm(state, cells, kTrain), stopNaming("colour index", color));
    }
}
