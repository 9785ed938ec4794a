#pragma once

#include "sim/StepSchedule.h"

#include <QObject>
#include <QTimer>

class CellDisplay;
class TrainModel;

// Paces every train. It keeps each train's step clock, follows the model's throttles, and
// holds one precise timer armed for the earliest step due. Each wake takes every step that
// has fallen due, of every train, in the order they fell due; each step reads the held key as
// it stands at that moment.
class TrainDriver final : public QObject {
    Q_OBJECT

public:
    TrainDriver(TrainModel& model, CellDisplay& cells, QObject* parent = nullptr);

    // When the steps of train `index` fall due.
    const StepClock& clock(int index) const { return m_schedule.clock(index); }

    // Moves train `index` one step, as a step that falls due does.
    void takeStep(int index);

signals:
    // Train `index` has taken one step.
    void stepped(int index);

private:
    void followThrottle(int index);
    void wake();
    void armForNextStep();

    TrainModel& m_model;
    CellDisplay& m_cells;
    StepSchedule m_schedule;
    QTimer m_timer;
};
