#pragma once

#include <cstdint>
#include <optional>

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

// Whole milliseconds of another clock, from 0 when it is first read. A run on it has every
// time in the whole milliseconds in which a drive records them, counted from its start.
class MillisecondClock final : public Clock {
public:
    explicit MillisecondClock(const Clock& source) : m_source(source) {}
    std::int64_t now() const override;

private:
    const Clock& m_source;
    mutable std::optional<std::int64_t> m_origin;
};

// Another clock that stands at a limit: it runs with its source up to the limit, and stays
// there until the limit moves on. A drive played on it holds the run at its next input until
// that input is taken, so that it applies at its own time however late it comes.
class HeldClock final : public Clock {
public:
    explicit HeldClock(const Clock& source) : m_source(source) {}
    std::int64_t now() const override;
    // The source's time, past the limit or not.
    std::int64_t sourceNow() const { return m_source.now(); }

    // Holds the clock at `limit`; a limit that would take it back is a fault of the caller.
    void holdAt(std::int64_t limit);
    // Lets it run with its source from now on.
    void release() { m_limit.reset(); }

private:
    const Clock& m_source;
    std::optional<std::int64_t> m_limit;
};
