#include "sim/KeyPoll.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SharedState threeColoredTrains(std::int32_t trainCount, std::int32_t controlled) {
    SharedState state;
    for (int i = 0; i < kTrainSlots; ++i) {
        state.Palette[std::size_t(20 + i)] = Color(0x111111 * (i + 1));
        state.TrainData[std::size_t(i)].ColorIndex = 20 + i;
    }
    state.TrainCount = trainCount;
    state.ControlledTrain = controlled;
    return state;
}

TEST(SelectNextTrain, StepsThroughTheTrainsInUseAndGivesTheSelectedTrainsColor) {
    struct Case {
        std::int32_t trainCount;
        std::int32_t controlled;
        std::int32_t next;
    };
    for (const auto& [count, controlled, next] :
         {Case{1, 0, 0}, Case{2, 0, 1}, Case{2, 1, 0}, Case{3, 1, 2}, Case{3, 2, 0},
          // Left above the count after trains were taken away: back into range.
          Case{1, 2, 0}, Case{2, 2, 1}}) {
        SharedState state = threeColoredTrains(count, controlled);
        EXPECT_EQ(SelectNextTrain(state), Color(0x111111 * (next + 1)))
            << count << " trains, train " << controlled;
        EXPECT_EQ(state.ControlledTrain, next);
    }
}

TEST(ThrottleAfterKey, OnlyUpAndDownChangeTheValue) {
    for (const KeyCode key : {kNoKey, kKeyCtrl, kKeyLeft, kKeyRight, KeyCode{65}, KeyCode{-1}}) {
        EXPECT_EQ(ThrottleAfterKey(key, 42), 42) << "key " << key;
    }
    EXPECT_EQ(ThrottleAfterKey(kKeyUp, 42), 47);
    EXPECT_EQ(ThrottleAfterKey(kKeyDown, 42), 37);
}

TEST(KeyPollDeathTest, ABrokenCountOrControlledTrainStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    for (const std::int32_t count : {0, -1}) {
        SharedState state = threeColoredTrains(count, 0);
        EXPECT_DEATH(SelectNextTrain(state), "varnok: internal error: there are " +
                                                 std::to_string(count) + " trains to select");
    }
    SharedState negative = threeColoredTrains(3, -3);
    EXPECT_DEATH(SelectNextTrain(negative), "varnok: internal error: there is no train -2");
    SharedState offPalette = threeColoredTrains(3, 0);
    offPalette.TrainData[1].ColorIndex = 27;
    EXPECT_DEATH(SelectNextTrain(offPalette), "train 1 has colour index 27, outside the palette");
}

} // namespace
