#include "ui/TrainDriver.h"

#include "PaintedState.h"
#include "PassingTime.h"
#include "sim/TrainControls.h"
#include "track/TrackCells.h"
#include "ui/TrainModel.h"

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
        QObject::connect(&driver, &TrainDriver::frameDue,
                         [this] { frames.push_back(clock.now()); });
    }

    HandSetClock clock;
    TrainModel model{threeTrains()};
    TrackCells cells;
    TrainDriver driver{model, cells, clock};
    std::vector<int> stepped;
    std::vector<std::int64_t> frames;
};

TEST_F(TrainDriverTest, TrainsAtOnePaceStepInTurnsInAFixedOrder) {
    model.setThrottle(2, 100);
    model.setThrottle(0, 100);
    model.setThrottle(1, 100);
    passTime(clock, driver, ms(60));
    driver.catchUp();
    // Each millisecond every train once; moved at one moment, they step by their numbers.
    ASSERT_EQ(stepped.size(), 3u * 60);
    for (std::size_t k = 0; k < stepped.size(); ++k) {
        EXPECT_EQ(stepped[k], int(k % 3)) << k;
    }
    // The model's trains moved: each has a body on the track.
    for (int i = 0; i < kTrainSlots; ++i) {
        EXPECT_NE(trainAt(model.state(), i).Body[0], 0) << i;
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
    passTime(clock, driver, ms(30));
    driver.catchUp();
    EXPECT_EQ(std::count(stepped.begin(), stepped.end(), 1), 0);
    EXPECT_EQ(std::count(stepped.begin(), stepped.end(), 0), 30);
    EXPECT_FALSE(driver.clock(1).running());
}

// A step further away than a frame from the last wake is shown at its own time; however
// often the trains step, the driver wakes at most once a frame. Polls wake it only while a
// key they act on is held.
TEST_F(TrainDriverTest, TheTrainsAreShownWhenTheirStepFallsDueOrOnceAFrame) {
    model.setThrottle(0, 45); // a step every 551 ms
    passTime(clock, driver, ms(1150));
    EXPECT_EQ(frames, (std::vector<std::int64_t>{ms(551), ms(1102)}));
    // Held Ctrl, the poll wakes the driver every 100 ms: a step due 4 ms after the poll at
    // 2200 is shown a frame after it.
    model.setHeldKey(kKeyCtrl);
    frames.clear();
    passTime(clock, driver, ms(2250 - 1150));
    EXPECT_EQ(frames, (std::vector<std::int64_t>{ms(1653), ms(2200) + TrainDriver::kFrame}));

    frames.clear();
    stepped.clear();
    model.setThrottle(0, 100);
    passTime(clock, driver, ms(1000));
    driver.catchUp();
    // Counted from its last step, the new interval makes one step due at once.
    EXPECT_EQ(stepped.size(), 1001u);
    ASSERT_GE(frames.size(), 61u);
    for (std::size_t k = 1; k < frames.size(); ++k) {
        EXPECT_EQ(frames[k] - frames[k - 1], TrainDriver::kFrame) << k;
    }
}

} // namespace
