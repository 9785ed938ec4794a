#include "sim/StepSchedule.h"

void StepSchedule::setInterval(int train, std::int32_t milliseconds, std::int64_t now) {
    m_clocks[trainSlot(train)].setInterval(milliseconds, now);
}

bool StepSchedule::dropBacklogs(std::int64_t now) {
    bool dropped = false;
    for (StepClock& clock : m_clocks) {
        dropped = clock.dropBacklog(now) || dropped;
    }
    return dropped;
}

std::optional<int> StepSchedule::nextTrainDue(std::int64_t now) const {
    std::optional<int> first;
    for (int train = 0; train < kTrainSlots; ++train) {
        const StepClock& candidate = clock(train);
        // Strictly earlier only: of steps due together the lowest train number goes first.
        if (candidate.stepDue(now) &&
            (!first || candidate.nextStepAt() < clock(*first).nextStepAt())) {
            first = train;
        }
    }
    return first;
}

void StepSchedule::takeStep(int train) {
    m_clocks[trainSlot(train)].takeStep();
}

std::optional<std::int64_t> StepSchedule::nextStepAt() const {
    std::optional<std::int64_t> soonest;
    for (const StepClock& clock : m_clocks) {
        if (clock.running() && (!soonest || clock.nextStepAt() < *soonest)) {
            soonest = clock.nextStepAt();
        }
    }
    return soonest;
}

const StepClock& StepSchedule::clock(int train) const {
    return m_clocks[trainSlot(train)];
}
