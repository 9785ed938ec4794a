#include "sim/StepClock.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>

namespace {

constexpr std::int64_t ms(double milliseconds) {
    return static_cast<std::int64_t>(milliseconds * 1'000'000);
}

TEST(StepClock, AStandingTrainStepsOneIntervalAfterItsThrottleIsRaised) {
    StepClock clock;
    EXPECT_EQ(clock.takeStepsDue(ms(5000)), 0);
    clock.setInterval(501, ms(1000));
    EXPECT_TRUE(clock.running());
    EXPECT_EQ(clock.millisecondsToNextStep(ms(1000.5)), 501); // 500.5 ms, rounded up
    EXPECT_EQ(clock.takeStepsDue(ms(1500.9)), 0);
    EXPECT_EQ(clock.takeStepsDue(ms(1501)), 1);
    EXPECT_EQ(clock.takeStepsDue(ms(1501)), 0);
    EXPECT_EQ(clock.millisecondsToNextStep(ms(1700)), 302);
}

TEST(StepClock, ALateTickRunsEveryStepDueAndKeepsTheSchedule) {
    StepClock clock;
    clock.setInterval(10, 0);
    EXPECT_EQ(clock.takeStepsDue(ms(35)), 3); // due at 10, 20 and 30
    EXPECT_EQ(clock.millisecondsToNextStep(ms(35)), 5);
    EXPECT_EQ(clock.takeStepsDue(ms(40)), 1);
    EXPECT_EQ(clock.millisecondsToNextStep(ms(40)), 10);
}

TEST(StepClock, AFullThrottleTrainMakesEveryStepWhateverTheTicksJitter) {
    StepClock clock;
    clock.setInterval(1, 0);
    std::mt19937 random(7);
    std::uniform_int_distribution<std::int64_t> lateness(0, ms(4));
    std::int64_t now = 0;
    std::int64_t steps = 0;
    while (now < ms(10'000)) {
        now += ms(clock.millisecondsToNextStep(now)) + lateness(random);
        steps += clock.takeStepsDue(now);
    }
    EXPECT_EQ(steps, now / ms(1));
}

TEST(StepClock, ALongStallDropsTheBacklogBeyondOneTicksShare) {
    StepClock clock;
    clock.setInterval(1, 0);
    EXPECT_EQ(clock.takeStepsDue(ms(1000)), StepClock::kMaxStepsPerTick);
    EXPECT_EQ(clock.millisecondsToNextStep(ms(1000)), 1);
    EXPECT_EQ(clock.takeStepsDue(ms(1001)), 1);
}

TEST(StepClock, ANewIntervalCountsFromTheLastStep) {
    StepClock clock;
    clock.setInterval(991, 0);
    EXPECT_EQ(clock.takeStepsDue(ms(991)), 1);
    // Quicker, but not yet due: from the step at 991 ms.
    clock.setInterval(901, ms(1100));
    EXPECT_EQ(clock.millisecondsToNextStep(ms(1100)), 792);
    // Quicker still, and overdue: one step at once, no backlog.
    clock.setInterval(1, ms(1100));
    EXPECT_EQ(clock.takeStepsDue(ms(1100)), 1);
    EXPECT_EQ(clock.takeStepsDue(ms(1101)), 1);
    // Stopped, and started again: one interval from then.
    clock.setInterval(0, ms(1102));
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.takeStepsDue(ms(9000)), 0);
    clock.setInterval(50, ms(9000));
    EXPECT_EQ(clock.takeStepsDue(ms(9049)), 0);
    EXPECT_EQ(clock.takeStepsDue(ms(9050)), 1);
}

} // namespace
