#pragma once

#include "sim/Timeline.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <optional>

class CellDisplay;
class Clock;
class TrainModel;

// Paces every train and polls the held key, on the clock it is given. Each step and each poll
// is an event of one timeline (see Timeline), taken at the time it falls due: before anything
// reads or changes the trains, the driver takes every event due up to now, and the change
// then applies at now. So each step sees the held key and the throttles as they stood at its
// own due time, and a run depends only on its inputs and their times, never on when the
// program woke.
//
// That frees the driver from waking for every step: it wakes at most once a frame while steps
// fall due sooner, and at the time the next event falls due when that is further away; not at
// all while the trains stand and no key that the poll acts on is held. After a wake in which
// the trains moved it asks for a frame.
class TrainDriver final : public QObject {
    Q_OBJECT

public:
    // About one display frame: the shortest time between two wakes.
    static constexpr std::int64_t kFrame = 16'000'000; // ns

    TrainDriver(TrainModel& model, CellDisplay& cells, const Clock& clock,
                QObject* parent = nullptr);

    // When the steps of train `index` fall due.
    const StepClock& clock(int index) const { return m_timeline.clock(index); }

    // Takes every step and poll due up to the clock's now, in due order.
    void catchUp();
    // One wake: catches up, and asks for a frame when the trains moved since the last one.
    void wake();
    // When the driver's timer wakes it next, on its clock; nothing while nothing can change.
    std::optional<std::int64_t> nextWakeAt() const { return m_armedFor; }
    // The time on the timeline: while a step or poll runs, the time it fell due; else the
    // time of the last catch-up.
    std::int64_t time() const { return m_time; }

    // Moves train `index` one step, as a step that falls due does.
    void takeStep(int index);

signals:
    // Train `index` has taken one step.
    void stepped(int index);
    // The trains moved since the last frame, and stand as they are now: time to show them.
    void frameDue();
    // A catch-up at `now` after a stall since the last, at `since`, dropped steps or polls
    // from its backlog.
    void backlogDropped(std::int64_t since, std::int64_t now);

private:
    void followThrottle(int index);
    void takeEventsDue();
    void run(const TimelineEvent& event);
    std::optional<std::int64_t> wakeDue() const;
    void armForNextWake();

    TrainModel& m_model;
    CellDisplay& m_cells;
    const Clock& m_clock;
    std::int64_t m_time;
    Timeline m_timeline;
    std::int64_t m_lastWake;
    bool m_catchingUp = false;
    bool m_moved = false; // since the last frame
    QTimer m_timer;
    std::optional<std::int64_t> m_armedFor; // the wake the timer is set for
};
