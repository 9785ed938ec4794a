#include "sim/StepClock.h"

#include "sim/StepSchedule.h"
#include "sim/Timeline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

namespace {

constexpr std::int64_t ms(double milliseconds) {
    return static_cast<std::int64_t>(milliseconds * 1'000'000);
}

// One wake of a train's timer at `now`: the steps it takes.
int takeStepsDue(StepClock& clock, std::int64_t now) {
    clock.dropBacklog(now);
    int steps = 0;
    while (clock.stepDue(now)) {
        clock.takeStep();
        ++steps;
    }
    return steps;
}

// One wake of the driver at `now`: the trains whose steps it takes, in order.
std::vector<int> takeStepsDue(StepSchedule& schedule, std::int64_t now) {
    schedule.dropBacklogs(now);
    std::vector<int> trains;
    while (const auto train = schedule.nextTrainDue(now)) {
        schedule.takeStep(*train);
        trains.push_back(*train);
    }
    return trains;
}

TEST(StepClock, AStandingTrainStepsOneIntervalAfterItsThrottleIsRaised) {
    StepClock clock;
    EXPECT_EQ(takeStepsDue(clock, ms(5000)), 0);
    clock.setInterval(501, ms(1000));
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(clock.nextStepAt(), ms(1501));
    EXPECT_EQ(takeStepsDue(clock, ms(1500.9)), 0);
    EXPECT_EQ(takeStepsDue(clock, ms(1501)), 1);
    EXPECT_EQ(takeStepsDue(clock, ms(1501)), 0);
    EXPECT_EQ(clock.nextStepAt(), ms(2002));
}

TEST(StepClock, ALateTickRunsEveryStepDueAndKeepsTheSchedule) {
    StepClock clock;
    clock.setInterval(10, 0);
    EXPECT_EQ(takeStepsDue(clock, ms(35)), 3); // due at 10, 20 and 30
    EXPECT_EQ(clock.nextStepAt(), ms(40));
    EXPECT_EQ(takeStepsDue(clock, ms(40)), 1);
    EXPECT_EQ(clock.nextStepAt(), ms(50));
}

TEST(StepClock, AFullThrottleTrainMakesEveryStepWhateverTheTicksJitter) {
    StepClock clock;
    clock.setInterval(1, 0);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int64_t> lateness(0, ms(4));
    std::int64_t now = 0;
    std::int64_t steps = 0;
    while (now < ms(10'000)) {
        now = std::max(now, clock.nextStepAt()) + lateness(random);
        steps += takeStepsDue(clock, now);
    }
    EXPECT_EQ(steps, now / ms(1));
}

TEST(StepClock, ALongStallDropsTheBacklogBeyondOneTicksShare) {
    StepClock clock;
    clock.setInterval(1, 0);
    EXPECT_EQ(takeStepsDue(clock, ms(1000)), StepClock::kMaxStepsPerTick);
    EXPECT_EQ(clock.nextStepAt(), ms(1001));
    EXPECT_EQ(takeStepsDue(clock, ms(1001)), 1);
}

TEST(StepClock, ANewIntervalCountsFromTheLastStep) {
    StepClock clock;
    clock.setInterval(991, 0);
    EXPECT_EQ(takeStepsDue(clock, ms(991)), 1);
    // Quicker, but not yet due: from the step at 991 ms.
    clock.setInterval(901, ms(1100));
    EXPECT_EQ(clock.nextStepAt(), ms(1892));
    // Quicker still, and overdue: one step at once, no backlog.
    clock.setInterval(1, ms(1100));
    EXPECT_EQ(takeStepsDue(clock, ms(1100)), 1);
    EXPECT_EQ(takeStepsDue(clock, ms(1101)), 1);
    // Stopped, and started again: one interval from then.
    clock.setInterval(0, ms(1102));
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(takeStepsDue(clock, ms(9000)), 0);
    clock.setInterval(50, ms(9000));
    EXPECT_EQ(takeStepsDue(clock, ms(9049)), 0);
    EXPECT_EQ(takeStepsDue(clock, ms(9050)), 1);
}

TEST(StepSchedule, StepsOfAllTrainsRunInTheOrderTheyFellDueTiesByTrainNumber) {
    StepSchedule schedule;
    EXPECT_EQ(schedule.nextStepAt(), std::nullopt);
    schedule.setInterval(2, 10, 0); // due at 10, 20, 30
    schedule.setInterval(0, 15, 0); // due at 15, 30
    schedule.setInterval(1, 30, 0); // due at 30
    EXPECT_EQ(schedule.nextStepAt(), ms(10));
    EXPECT_EQ(takeStepsDue(schedule, ms(35)), (std::vector<int>{2, 0, 2, 0, 1, 2}));
    EXPECT_EQ(schedule.nextStepAt(), ms(40));
    // A stopped train drops out; the others keep their own pace.
    schedule.setInterval(2, 0, ms(35));
    EXPECT_EQ(takeStepsDue(schedule, ms(60)), (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(schedule.clock(2).running(), false);
}

TEST(StepSchedule, ALongStallKeepsOneTicksShareOfEachTrain) {
    StepSchedule schedule;
    schedule.setInterval(0, 1, 0);
    schedule.setInterval(1, 1, 0);
    const std::vector<int> trains = takeStepsDue(schedule, ms(1000));
    ASSERT_EQ(trains.size(), 2u * StepClock::kMaxStepsPerTick);
    // Due together, step for step: train 0 first each time.
    for (std::size_t k = 0; k < trains.size(); ++k) {
        EXPECT_EQ(trains[k], int(k % 2)) << k;
    }
    EXPECT_EQ(takeStepsDue(schedule, ms(1001)), (std::vector<int>{0, 1}));
}

// Polls and steps due together: the poll first, so that a throttle it moves holds for the
// steps; then the trains by number.
TEST(Timeline, PollsEveryTenthOfASecondAndGoesFirstAtATie) {
    Timeline timeline(0);
    timeline.setInterval(1, 50, 0);
    timeline.setInterval(0, 100, 0);
    std::vector<TimelineEvent> events;
    while (const auto event = timeline.nextDue(ms(200))) {
        timeline.take(*event);
        events.push_back(*event);
    }
    using Kind = TimelineEvent::Kind;
    EXPECT_EQ(events, (std::vector<TimelineEvent>{{Kind::Step, 1, ms(50)},
                                                  {Kind::KeyPoll, 0, ms(100)},
                                                  {Kind::Step, 0, ms(100)},
                                                  {Kind::Step, 1, ms(100)},
                                                  {Kind::Step, 1, ms(150)},
                                                  {Kind::KeyPoll, 0, ms(200)},
                                                  {Kind::Step, 0, ms(200)},
                                                  {Kind::Step, 1, ms(200)}}));
    EXPECT_EQ(timeline.nextDueAt(kNoKey), ms(250));
    // Standing trains and a poll that can do nothing: nothing is due.
    timeline.setInterval(0, 0, ms(200));
    timeline.setInterval(1, 0, ms(200));
    EXPECT_EQ(timeline.nextDueAt(kNoKey), std::nullopt);
    EXPECT_EQ(timeline.nextDueAt(kKeyLeft), std::nullopt);
    EXPECT_EQ(timeline.nextDueAt(kKeyCtrl), ms(300));
}

} // namespace
