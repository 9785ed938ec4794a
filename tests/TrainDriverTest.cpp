#include "ui/TrainDriver.h"

#include "PaintedState.h"
#include "track/TrackCells.h"
#include "ui/TrainModel.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

// Three trains of five cells on their start nodes, standing.
SharedState threeTrains() {
    SharedState state = paintedState();
    state.TrainCount = kTrainSlots;
    for (int i = 0; i < kTrainSlots; ++i) {
        state.TrainData[std::size_t(i)].HeadPos = kFirstNode + i;
        state.TrainData[std::size_t(i)].Length = 5;
    }
    return state;
}

class TrainDriverTest : public testing::Test {
protected:
    TrainDriverTest() {
        QObject::connect(&driver, &TrainDriver::stepped,
                         [this](int train) { stepped.push_back(train); });
    }

    TrainModel model{threeTrains()};
    TrackCells cells;
    TrainDriver driver{model, cells};
    std::vector<int> stepped;
};

TEST_F(TrainDriverTest, TrainsAtOnePaceStepInTurnsInAFixedOrder) {
    model.setThrottle(2, 100);
    model.setThrottle(0, 100);
    model.setThrottle(1, 100);
    QTest::qWait(60);
    ASSERT_GE(stepped.size(), 3u * 30);
    // Each millisecond every train once, in the order their throttles moved.
    for (std::size_t k = 0; k < stepped.size(); ++k) {
        EXPECT_EQ(stepped[k], (std::vector<int>{2, 0, 1})[k % 3]) << k;
    }
    // The model's trains moved: each left its node.
    for (int i = 0; i < kTrainSlots; ++i) {
        EXPECT_LT(trainAt(model.state(), i).HeadPos, kFirstNode) << i;
    }
}

TEST_F(TrainDriverTest, AThrottleMovedByAStepTakesEffectAtOnce) {
    model.setThrottle(0, 100);
    model.setThrottle(1, 100);
    // The first step of train 0 stops train 1, whose step is due in the same wake.
    QObject::connect(&driver, &TrainDriver::stepped, [this](int train) {
        if (train == 0) {
            model.setThrottle(1, 0);
        }
    });
    QTest::qWait(30);
    EXPECT_EQ(std::count(stepped.begin(), stepped.end(), 1), 0);
    EXPECT_GE(std::count(stepped.begin(), stepped.end(), 0), 20);
    EXPECT_FALSE(driver.clock(1).running());
}

} // namespace
