#include "base/Clock.h"

#include "base/CheckedArithmetic.h"
#include "base/Fatal.h"

#include <algorithm>
#include <chrono>
#include <string>

std::int64_t SteadyClock::now() const {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void HandSetClock::set(std::int64_t time) {
    if (time < m_now) {
        stopWithError("a clock set back from " + std::to_string(m_now) + " ns to " +
                      std::to_string(time) + " ns");
    }
    m_now = time;
}

void HandSetClock::advance(std::int64_t nanoseconds) {
    set(checkedAdd(m_now, nanoseconds));
}

std::int64_t MillisecondClock::now() const {
    const std::int64_t source = m_source.now();
    if (!m_origin) {
        m_origin = source;
    }
    return (source - *m_origin) / kNanosecondsPerMillisecond * kNanosecondsPerMillisecond;
}

std::int64_t HeldClock::now() const {
    return m_limit ? std::min(m_source.now(), *m_limit) : m_source.now();
}

void HeldClock::holdAt(std::int64_t limit) {
    if (limit < now()) {
        stopWithError("a clock held back from " + std::to_string(now()) + " ns at " +
                      std::to_string(limit) + " ns");
    }
    m_limit = limit;
}
