#include "PaintedState.h"
#include "PassingTime.h"
#include "sim/TrainControls.h"
#include "track/TrackCells.h"
#include "ui/TrainDriver.h"
#include "ui/TrainModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// A run depends only on its inputs and their times, never on when the program woke: the same
// timed inputs, taken by a driver woken every millisecond and by one woken once a frame, give
// the same trains and the same cells at every frame.

namespace {

// One thing the user does, at a whole millisecond.
struct Input {
    enum class Kind { Key, Throttle, Color, Length, TrainCount };
    std::int64_t at;
    Kind kind;
    int train;
    int value; // a key code (0: let go), a throttle or a shift state
};

constexpr std::int64_t kRunMilliseconds = 3 * 60 * 1000;
constexpr int kInputs = 3000;
constexpr std::uint32_t kSeeds = 100;

// Inputs at random times over the run, in time order, several at one moment now and then.
std::vector<Input> randomScript(std::uint32_t seed) {
    std::mt19937 random(seed);
    const auto below = [&](int bound) { return int(random() % std::uint32_t(bound)); };
    std::vector<std::int64_t> times(kInputs);
    for (std::int64_t& at : times) {
        at = 1 + below(int(kRunMilliseconds));
    }
    std::sort(times.begin(), times.end());
    const std::vector<int> keys = {kKeyCtrl,  kKeyUp, kKeyDown, kKeyLeft,
                                   kKeyRight, kNoKey, kNoKey,   65};
    std::vector<Input> script;
    for (const std::int64_t at : times) {
        const int train = below(kTrainSlots);
        const int shift = below(2) == 0 ? 0 : kShiftHeld;
        switch (below(10)) {
        case 0:
        case 1:
        case 2:
        case 3:
            script.push_back({at, Input::Kind::Key, 0, keys[std::size_t(below(int(keys.size())))]});
            break;
        case 4:
        case 5:
        case 6:
            script.push_back({at, Input::Kind::Throttle, train, below(kThrottleMax + 1)});
            break;
        case 7:
            script.push_back({at, Input::Kind::Color, train, 0});
            break;
        case 8:
            script.push_back({at, Input::Kind::Length, train, shift});
            break;
        default:
            script.push_back({at, Input::Kind::TrainCount, 0, shift});
            break;
        }
    }
    return script;
}

// Three trains of a few cells on their start nodes, standing.
SharedState startingState(std::uint32_t seed) {
    std::mt19937 random(seed);
    SharedState state = paintedState();
    state.TrainCount = kTrainSlots;
    for (int i = 0; i < kTrainSlots; ++i) {
        state.TrainData[std::size_t(i)].HeadPos = kFirstNode + i;
        state.TrainData[std::size_t(i)].Length = int(random() % 30);
        state.TrainData[std::size_t(i)].ColorIndex = int(random() % kPaletteSize);
    }
    return state;
}

// The trains, their cells and their driver, on a clock of their own.
struct TrainRun {
    explicit TrainRun(const SharedState& state) : model(state) {}

    // The inputs due at the clock's time, each as the windows give it to the model.
    void applyInputsDue(const std::vector<Input>& script) {
        for (; next < script.size() && script[next].at * kNanosecondsPerMillisecond == clock.now();
             ++next) {
            const Input& input = script[next];
            switch (input.kind) {
            case Input::Kind::Key:
                model.setHeldKey(KeyCode(input.value));
                break;
            case Input::Kind::Throttle:
                model.setThrottle(input.train, input.value);
                break;
            case Input::Kind::Color:
                model.selectNextColor(input.train);
                break;
            case Input::Kind::Length:
                model.pressLength(input.train, input.value);
                break;
            case Input::Kind::TrainCount:
                model.pressTrainCount(input.value);
                break;
            }
        }
    }

    HandSetClock clock;
    TrainModel model;
    TrackCells cells;
    TrainDriver driver{model, cells, clock};
    std::size_t next = 0; // the first input not yet applied
};

// Where the two runs first differ at one frame, or nothing.
std::string difference(const TrainRun& a, const TrainRun& b) {
    const SharedState& s = a.model.state();
    const SharedState& t = b.model.state();
    for (int i = 0; i < kTrainSlots; ++i) {
        if (!(trainAt(s, i) == trainAt(t, i))) {
            return "train " + std::to_string(i);
        }
    }
    if (s.TrainCount != t.TrainCount || s.ControlledTrain != t.ControlledTrain ||
        s.KeyDownCode != t.KeyDownCode) {
        return "TrainCount, ControlledTrain or KeyDownCode";
    }
    for (int slot = 0; slot < kTrackCellCount; ++slot) {
        if (a.cells.colorAt(slot) != b.cells.colorAt(slot)) {
            return "cell " + std::to_string(TrackSeg[std::size_t(slot)].index);
        }
    }
    return {};
}

TEST(DriverDifferential, ARunIsTheSameWhetherTheDriverWakesEveryMillisecondOrOnceAFrame) {
    for (std::uint32_t seed = 1; seed <= kSeeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const std::vector<Input> script = randomScript(seed);
        TrainRun everyMillisecond(startingState(seed));
        TrainRun onceAFrame(startingState(seed));
        std::string differs;
        int frames = 0;
        QObject::connect(&onceAFrame.driver, &TrainDriver::frameDue, [&] {
            ++frames;
            while (everyMillisecond.clock.now() < onceAFrame.clock.now()) {
                everyMillisecond.clock.advance(ms(1));
                everyMillisecond.applyInputsDue(script);
                everyMillisecond.driver.catchUp();
            }
            if (differs.empty()) {
                differs = difference(everyMillisecond, onceAFrame);
                if (!differs.empty()) {
                    differs += " at " + std::to_string(onceAFrame.clock.now()) + " ns";
                }
            }
        });
        const std::int64_t end = ms(kRunMilliseconds);
        while (onceAFrame.clock.now() < end) {
            const std::int64_t nextInput =
                onceAFrame.next < script.size() ? ms(script[onceAFrame.next].at) : end;
            const auto wake = onceAFrame.driver.nextWakeAt();
            if (!wake || nextInput <= *wake) {
                onceAFrame.clock.set(nextInput);
                onceAFrame.applyInputsDue(script);
            } else {
                onceAFrame.clock.set(*wake);
                onceAFrame.driver.wake();
            }
        }
        EXPECT_EQ(differs, "");
        // The run moved the trains and showed them often.
        EXPECT_GT(frames, 1000);
    }
}

} // namespace
