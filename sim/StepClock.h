#pragma once

#include <cstdint>

// When a train's steps fall due. A train steps once every interval, counted from its last
// step rather than from whenever the window system delivers a timer tick: a tick that comes
// late, or that the system drops while the program is busy, costs the train no steps, since
// the next tick runs every step that has fallen due since. Times are in nanoseconds of a
// steady clock.
class StepClock {
public:
    // Most steps one tick runs. A longer stall (a suspended machine, a blocked window system)
    // drops the rest, so that the window never freezes working off a backlog.
    static constexpr int kMaxStepsPerTick = 100;

    // 0 stops the train. A new interval on a running train counts from its last step, or
    // makes a step due at once when that much time has already passed; from standing, the
    // first step falls due one interval from now.
    void setInterval(std::int32_t milliseconds, std::int64_t now);

    std::int32_t interval() const { return m_interval; }
    bool running() const { return m_interval > 0; }

    // Of more than kMaxStepsPerTick steps due at `now`, keeps only the last kMaxStepsPerTick.
    // Returns whether it dropped any.
    bool dropBacklog(std::int64_t now);

    // Whether the train runs and a step of it is due at `now`.
    bool stepDue(std::int64_t now) const { return running() && now >= m_nextStep; }
    // When the next step falls due, while the train runs.
    std::int64_t nextStepAt() const { return m_nextStep; }
    // Counts the step due next as done.
    void takeStep();

private:
    std::int64_t length() const;

    std::int32_t m_interval = 0;
    std::int64_t m_lastStep = 0; // when the step last taken fell due
    std::int64_t m_nextStep = 0;
};
