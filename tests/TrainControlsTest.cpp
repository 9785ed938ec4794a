#include "sim/TrainControls.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// --- Throttle -----------------------------------------------------------------------------------

TEST(SpeedToInterval, GivesTheTimerIntervalForAThrottleValue) {
    struct Interval {
        std::int32_t value;
        std::int32_t interval;
    };
    // A throttle at 0 or below stops the timer; otherwise each step of the throttle takes 10 ms
    // off 1001 ms. 6 is the start value 1 raised once by Up.
    const std::array<Interval, 11> intervals = {{{0, 0},
                                                 {-1, 0},
                                                 {INT32_MIN, 0},
                                                 {1, 991},
                                                 {5, 951},
                                                 {6, 941},
                                                 {10, 901},
                                                 {50, 501},
                                                 {99, 11},
                                                 {100, 1},
                                                 {101, -9}}};
    for (const auto& [value, interval] : intervals) {
        EXPECT_EQ(SpeedToInterval(value), interval) << value;
    }
}

// --- Colour -------------------------------------------------------------------------------------

TEST(SelectNextColor, StepsThroughThePaletteAndComesBackAfterAsManyClicksAsItHasColors) {
    for (std::int32_t start = 0; start < kPaletteSize; ++start) {
        SharedState state;
        TrainRecord& train = state.TrainData[2];
        train.ColorIndex = start;
        state.TrainData[1].ColorIndex = 5;
        SelectNextColor(state, 2);
        EXPECT_EQ(train.ColorIndex, start == 26 ? 0 : start + 1) << start;
        for (int click = 2; click <= kPaletteSize; ++click) {
            SelectNextColor(state, 2);
            ASSERT_GE(train.ColorIndex, 0);
            ASSERT_LT(train.ColorIndex, kPaletteSize);
            if (click < kPaletteSize) {
                ASSERT_NE(train.ColorIndex, start) << start << " came back after " << click;
            }
        }
        EXPECT_EQ(train.ColorIndex, start);
        EXPECT_EQ(state.TrainData[1].ColorIndex, 5);
    }
}

// --- Length -------------------------------------------------------------------------------------

// Shift alone, and only Shift alone, shortens the train: any other shift state lengthens it. The
// length stays within 0 and the body's 501 entries.
TEST(PressLength, ShiftAloneShortensAnyOtherPressLengthensWithinTheBody) {
    struct Press {
        std::int32_t length;
        std::int32_t afterShift;
        std::int32_t afterOther;
    };
    const std::array<Press, 6> presses = {{
        {0, 0, 1},
        {1, 0, 2},
        {5, 4, 6},
        {6, 5, 7},
        {500, 499, 501},
        {501, 500, 501},
    }};
    for (const auto& [length, afterShift, afterOther] : presses) {
        for (int shift = 0; shift <= kShiftHeld + kCtrlHeld + kAltHeld; ++shift) {
            SharedState state;
            state.TrainData[1].Length = length;
            state.TrainData[0].Length = 7;
            state.TrainData[2].Length = 7;
            const std::int32_t after = shift == kShiftHeld ? afterShift : afterOther;
            EXPECT_EQ(PressLength(state, 1, shift), after != length)
                << "length " << length << ", shift " << shift;
            EXPECT_EQ(state.TrainData[1].Length, after)
                << "length " << length << ", shift " << shift;
            EXPECT_EQ(state.TrainData[0].Length, 7);
            EXPECT_EQ(state.TrainData[2].Length, 7);
        }
    }
}

// --- Train count --------------------------------------------------------------------------------

// A plain press adds a train and Shift alone removes one, within 1..3; Ctrl or Alt, alone or with
// Shift, changes nothing.
TEST(PressTrainCount, APlainPressAddsAndShiftAloneRemovesATrainWithinOneToThree) {
    struct Count {
        std::int32_t count;
        std::array<std::int32_t, 6> after; // for the shift states 0, 1, 2, 3, 4, 5
    };
    const std::array<Count, 3> counts = {{
        {1, {2, 1, 1, 1, 1, 1}},
        {2, {3, 1, 2, 2, 2, 2}},
        {3, {3, 2, 3, 3, 3, 3}},
    }};
    for (const auto& [count, after] : counts) {
        for (int shift = 0; shift < static_cast<int>(after.size()); ++shift) {
            SharedState state;
            state.TrainCount = count;
            state.ControlledTrain = 2;
            const std::int32_t expected = after[static_cast<std::size_t>(shift)];
            EXPECT_EQ(PressTrainCount(state, shift), expected - count)
                << "count " << count << ", shift " << shift;
            EXPECT_EQ(state.TrainCount, expected) << "count " << count << ", shift " << shift;
            // The controlled train is left as it was, even when it is no longer in use.
            EXPECT_EQ(state.ControlledTrain, 2);
        }
    }
}

// --- Faults -------------------------------------------------------------------------------------

TEST(TrainControlsDeathTest, ATrainOutsideTheThreeStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    SharedState state;
    for (const int index : {-1, 3}) {
        const std::string stop = "varnok: internal error: .*train " + std::to_string(index);
        EXPECT_DEATH(SelectNextColor(state, index), stop);
        EXPECT_DEATH(PressLength(state, index, 0), stop);
    }
}
