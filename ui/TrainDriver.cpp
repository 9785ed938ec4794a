#include "ui/TrainDriver.h"

#include "base/Clock.h"
#include "ui/TrainModel.h"

#include <algorithm>
#include <utility>

TrainDriver::TrainDriver(TrainModel& model, CellDisplay& cells, const Clock& clock, QObject* parent)
    : QObject(parent), m_model(model), m_cells(cells), m_clock(clock), m_time(clock.now()),
      m_timeline(m_time), m_lastWake(m_time) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TrainDriver::wake);
    connect(&m_model, &TrainModel::catchUpRequested, this, &TrainDriver::catchUp);
    connect(&m_model, &TrainModel::throttleChanged, this, &TrainDriver::followThrottle);
    // A key that the poll acts on wakes the driver for the polls.
    connect(&m_model, &TrainModel::heldKeyChanged, this, &TrainDriver::armForNextWake);
    armForNextWake();
}

// A throttle moved by a step's or a poll's listener counts from that event's due time; one
// moved from outside counts from now, the driver having just caught up.
void TrainDriver::followThrottle(int index) {
    m_timeline.setInterval(index, trainAt(m_model.state(), index).Interval, m_time);
    if (!m_catchingUp) {
        armForNextWake();
    }
}

void TrainDriver::catchUp() {
    // A change made by a listener of a step or a poll applies at that event's time, within
    // the catch-up that runs it.
    if (!m_catchingUp) {
        takeEventsDue();
        armForNextWake();
    }
}

void TrainDriver::takeEventsDue() {
    m_catchingUp = true;
    const std::int64_t now = m_clock.now();
    if (m_timeline.dropBacklogs(now)) {
        emit backlogDropped(m_time, now);
    }
    // A step may move a throttle: the timeline is asked afresh after each event.
    while (const auto event = m_timeline.nextDue(now)) {
        m_time = event->at;
        m_timeline.take(*event);
        run(*event);
    }
    m_time = now;
    m_catchingUp = false;
}

void TrainDriver::run(const TimelineEvent& event) {
    switch (event.kind) {
    case TimelineEvent::Kind::KeyPoll:
        m_model.pollHeldKey();
        break;
    case TimelineEvent::Kind::Step:
        takeStep(event.train);
        break;
    }
}

void TrainDriver::wake() {
    takeEventsDue();
    m_lastWake = m_time;
    if (std::exchange(m_moved, false)) {
        emit frameDue();
    }
    armForNextWake();
}

void TrainDriver::takeStep(int index) {
    m_model.moveTrain(index, m_cells);
    m_moved = true;
    emit stepped(index);
}

std::optional<std::int64_t> TrainDriver::wakeDue() const {
    // Trains moved by a catch-up that an input asked for are shown at the next frame. A poll
    // that can change nothing needs no wake: the next catch-up takes it at its time all the
    // same.
    const std::optional<std::int64_t> due =
        m_moved ? m_time : m_timeline.nextDueAt(m_model.state().KeyDownCode);
    if (!due) {
        return std::nullopt;
    }
    return std::max(*due, m_lastWake + kFrame);
}

void TrainDriver::armForNextWake() {
    const std::optional<std::int64_t> at = wakeDue();
    if (at == m_armedFor && m_timer.isActive()) {
        return;
    }
    m_armedFor = at;
    if (!at) {
        m_timer.stop();
        return;
    }
    const std::int64_t wait = std::max<std::int64_t>(*at - m_clock.now(), 0);
    // In whole milliseconds, rounded up: a wake never comes before its time.
    m_timer.start(int((wait + kNanosecondsPerMillisecond - 1) / kNanosecondsPerMillisecond));
}
