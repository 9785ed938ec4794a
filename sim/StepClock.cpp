#include "sim/StepClock.h"

#include "base/Clock.h"

#include <algorithm>

std::int64_t StepClock::length() const {
    return m_interval * kNanosecondsPerMillisecond;
}

void StepClock::setInterval(std::int32_t milliseconds, std::int64_t now) {
    const bool wasRunning = running();
    m_interval = std::max(milliseconds, 0);
    if (!running()) {
        return;
    }
    if (wasRunning) {
        m_nextStep = std::max(m_lastStep + length(), now);
    } else {
        m_nextStep = now + length();
    }
    m_lastStep = m_nextStep - length();
}

bool StepClock::dropBacklog(std::int64_t now) {
    if (!stepDue(now)) {
        return false;
    }
    const std::int64_t due = 1 + (now - m_nextStep) / length();
    if (due > kMaxStepsPerTick) {
        // The kept steps end at `now`, so the ones after go on one interval apart from it.
        m_nextStep = now - (kMaxStepsPerTick - 1) * length();
        m_lastStep = m_nextStep - length();
        return true;
    }
    return false;
}

void StepClock::takeStep() {
    m_lastStep = m_nextStep;
    m_nextStep += length();
}
