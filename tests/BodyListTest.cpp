#include "sim/BodyList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr int kTrain = 2;

SharedState trainWithBody(std::int32_t length, std::initializer_list<CellIndex> cells) {
    SharedState state;
    TrainRecord& train = state.TrainData[kTrain];
    train.Length = length;
    std::copy(cells.begin(), cells.end(), train.Body.begin());
    return state;
}

TEST(BodyList, ListsTheCellsWithinTheLengthHeadFirst) {
    struct Case {
        std::int32_t length;
        std::initializer_list<CellIndex> cells;
        std::string list;
    };
    for (const auto& [length, cells, list] : {
             Case{3, {40, 39, 38}, "40 - 39 - 38"},
             Case{1, {40, 39, 38}, "40"},
             Case{2, {40, 41}, "40 - 41"},
             Case{5, {41, 40}, "41 - 40 - 0 - 0 - 0"},
             Case{0, {40, 39}, ""},
             Case{-4, {40, 39}, ""},
         }) {
        EXPECT_EQ(BodyList(trainWithBody(length, cells), kTrain), list) << "length " << length;
    }
}

TEST(BodyList, AFullBodyListsEveryCell) {
    SharedState state = trainWithBody(501, {});
    for (std::size_t k = 0; k < kBodyCapacity; ++k) {
        state.TrainData[kTrain].Body[k] = CellIndex(1000 + k);
    }
    const std::string list = BodyList(state, kTrain);
    EXPECT_TRUE(list.starts_with("1000 - 1001 - "));
    EXPECT_TRUE(list.ends_with(" - 1499 - 1500"));
    EXPECT_EQ(list.size(), 501 * 4 + 500 * 3);
}

TEST(BodyListDeathTest, ALengthBeyondTheBodyStopsTheProgram) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const SharedState state = trainWithBody(502, {});
    EXPECT_DEATH(BodyList(state, kTrain), "train 2 has length 502, more than its body holds");
    EXPECT_DEATH(BodyList(state, 3), "there is no train 3");
}

} // namespace
