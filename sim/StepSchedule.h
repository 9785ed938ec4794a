#pragma once

#include "sim/SharedState.h"
#include "sim/StepClock.h"

#include <array>
#include <cstdint>
#include <optional>

// The step clocks of every train, so that one timer can pace them all. The steps of all the
// trains are taken in the order they fall due, and steps due at the same moment in the order
// of the trains' numbers: the same throttles at the same moments give the same run.
class StepSchedule {
public:
    // Sets train `train`'s interval, as StepClock::setInterval does.
    void setInterval(int train, std::int32_t milliseconds, std::int64_t now);

    // Starts a wake at `now`: of a long backlog each train keeps one tick's share. Returns
    // whether any train's steps were dropped.
    bool dropBacklogs(std::int64_t now);

    // The train whose step falls due first, when one is due at `now`.
    std::optional<int> nextTrainDue(std::int64_t now) const;

    // Counts that train's due step as done.
    void takeStep(int train);

    // When the next step of any train falls due; nothing when no train runs.
    std::optional<std::int64_t> nextStepAt() const;

    const StepClock& clock(int train) const;

private:
    std::array<StepClock, kTrainSlots> m_clocks;
};
