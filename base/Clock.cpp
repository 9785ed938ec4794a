#include "base/Clock.h"

#include "base/CheckedArithmetic.h"
#include "base/Fatal.h"

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
