#pragma once

#include "sim/KeyCodes.h"
#include "sim/StepClock.h"
#include "sim/StepSchedule.h"

#include <cstdint>
#include <optional>

// One thing that falls due on the program's clock: a step of a train, or a poll of the held
// key.
struct TimelineEvent {
    enum class Kind : std::uint8_t { KeyPoll, Step };
    Kind kind = Kind::KeyPoll;
    int train = 0; // of a step
    std::int64_t at = 0;
    bool operator==(const TimelineEvent&) const = default;
};

// Everything that falls due on the program's clock, in the order it falls due: the steps of
// each train, and the poll of the held key every 100 ms from the start. Of events due at the
// same moment the poll goes first, so that a throttle it moves holds for the steps due with
// it, and then the trains by number. A stall keeps at most StepClock::kMaxStepsPerTick of each
// train's steps and of the polls.
class Timeline {
public:
    // The polls fall due 100 ms after `start` and every 100 ms from then.
    explicit Timeline(std::int64_t start);

    // Sets train `train`'s interval, as StepClock::setInterval does.
    void setInterval(int train, std::int32_t milliseconds, std::int64_t now);

    // Starts a catch-up to `now`: of a long backlog only the most that one catch-up takes is
    // kept. Returns whether steps or polls were dropped: the run then goes on from `now` as no
    // catch-up at another time would have left it.
    bool dropBacklogs(std::int64_t now);

    // The event that falls due first, when one is due at `now`.
    std::optional<TimelineEvent> nextDue(std::int64_t now) const;
    // Counts that event as done.
    void take(const TimelineEvent& event);

    // When the next event that can change anything falls due, with `held` the key held: a
    // step, or a poll while the key is one that a poll acts on. Nothing while every train
    // stands and no such key is held.
    std::optional<std::int64_t> nextDueAt(KeyCode held) const;

    const StepClock& clock(int train) const { return m_steps.clock(train); }

private:
    StepSchedule m_steps;
    StepClock m_keyPoll;
};
