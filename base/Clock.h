#pragma once

#include <cstdint>

// Where the time comes from, in nanoseconds of a clock that never goes back. Whatever paces
// or polls is given one: the program runs on the machine's steady clock, tests and checks on
// a clock that they set by hand, so that a run depends only on its inputs and their times.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t now() const = 0;
};

// The machine's steady clock, which every process on it shares.
class SteadyClock final : public Clock {
public:
    std::int64_t now() const override;
};

// A clock that stands still until it is moved.
class HandSetClock final : public Clock {
public:
    std::int64_t now() const override { return m_now; }

    // Moves the clock on to `time`; moving it back is a fault of the caller.
    void set(std::int64_t time);
    void advance(std::int64_t nanoseconds);

private:
    std::int64_t m_now = 0;
};

inline constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;
