#include "sim/StepClock.h"

#include <algorithm>

namespace {

constexpr std::int64_t kNanosecondsPerMillisecond = 1'000'000;

} // namespace

void StepClock::setInterval(std::int32_t milliseconds, std::int64_t now) {
    const bool wasRunning = running();
    m_interval = std::max(milliseconds, 0);
    if (!running()) {
        return;
    }
    const std::int64_t length = m_interval * kNanosecondsPerMillisecond;
    if (wasRunning) {
        m_nextStep = std::max(m_lastStep + length, now);
    } else {
        m_nextStep = now + length;
    }
    m_lastStep = m_nextStep - length;
}

int StepClock::takeStepsDue(std::int64_t now) {
    if (!running() || now < m_nextStep) {
        return 0;
    }
    const std::int64_t length = m_interval * kNanosecondsPerMillisecond;
    const std::int64_t due = 1 + (now - m_nextStep) / length;
    if (due > kMaxStepsPerTick) {
        // The backlog is dropped: the steps go on one interval apart from now.
        m_lastStep = now;
        m_nextStep = now + length;
        return kMaxStepsPerTick;
    }
    m_lastStep = m_nextStep + (due - 1) * length;
    m_nextStep = m_lastStep + length;
    return static_cast<int>(due);
}

std::int32_t StepClock::millisecondsToNextStep(std::int64_t now) const {
    const std::int64_t remaining = std::max<std::int64_t>(m_nextStep - now, 0);
    return static_cast<std::int32_t>((remaining + kNanosecondsPerMillisecond - 1) /
                                     kNanosecondsPerMillisecond);
}
