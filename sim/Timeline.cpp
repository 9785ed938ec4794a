#include "sim/Timeline.h"

#include "sim/KeyPoll.h"

#include <algorithm>

Timeline::Timeline(std::int64_t start) {
    m_keyPoll.setInterval(kKeyPollInterval, start);
}

void Timeline::setInterval(int train, std::int32_t milliseconds, std::int64_t now) {
    m_steps.setInterval(train, milliseconds, now);
}

bool Timeline::dropBacklogs(std::int64_t now) {
    const bool steps = m_steps.dropBacklogs(now);
    return m_keyPoll.dropBacklog(now) || steps;
}

std::optional<TimelineEvent> Timeline::nextDue(std::int64_t now) const {
    const auto train = m_steps.nextTrainDue(now);
    // Not later than the first step due: at a tie the poll goes first.
    if (m_keyPoll.stepDue(now) &&
        (!train || m_keyPoll.nextStepAt() <= clock(*train).nextStepAt())) {
        return TimelineEvent{TimelineEvent::Kind::KeyPoll, 0, m_keyPoll.nextStepAt()};
    }
    if (train) {
        return TimelineEvent{TimelineEvent::Kind::Step, *train, clock(*train).nextStepAt()};
    }
    return std::nullopt;
}

void Timeline::take(const TimelineEvent& event) {
    if (event.kind == TimelineEvent::Kind::KeyPoll) {
        m_keyPoll.takeStep();
    } else {
        m_steps.takeStep(event.train);
    }
}

std::optional<std::int64_t> Timeline::nextDueAt(KeyCode held) const {
    const std::optional<std::int64_t> step = m_steps.nextStepAt();
    if (!PollActsOn(held)) {
        return step;
    }
    return std::min(m_keyPoll.nextStepAt(), step.value_or(m_keyPoll.nextStepAt()));
}
