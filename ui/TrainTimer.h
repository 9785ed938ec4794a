#pragma once

#include "sim/StepClock.h"

#include <QObject>
#include <QTimer>

// A train's timer: with an interval of n milliseconds it asks for a step every n ms, as
// steadily as the window system's timers allow and without losing steps to a late tick;
// with 0 it asks for none.
class TrainTimer final : public QObject {
    Q_OBJECT

public:
    explicit TrainTimer(QObject* parent);

    void setInterval(int milliseconds);
    int interval() const { return m_clock.interval(); }
    bool isActive() const { return m_clock.running(); }

signals:
    // One step of the train; a late tick asks for every step that has fallen due.
    void step();

private:
    void tick();
    void armForNextStep();

    StepClock m_clock;
    QTimer m_timer;
};
