#include "ui/TrainDriver.h"

#include "ui/TrainModel.h"

#include <QElapsedTimer>

namespace {

std::int64_t steadyNow() {
    static const QElapsedTimer start = [] {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }();
    return start.nsecsElapsed();
}

} // namespace

TrainDriver::TrainDriver(TrainModel& model, CellDisplay& cells, QObject* parent)
    : QObject(parent), m_model(model), m_cells(cells) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TrainDriver::wake);
    connect(&m_model, &TrainModel::throttleChanged, this, &TrainDriver::followThrottle);
}

void TrainDriver::followThrottle(int index) {
    m_schedule.setInterval(index, trainAt(m_model.state(), index).Interval, steadyNow());
    armForNextStep();
}

void TrainDriver::wake() {
    const std::int64_t now = steadyNow();
    m_schedule.dropBacklogs(now);
    // A step's listener may move a throttle; the schedule is asked afresh after each step.
    while (const auto train = m_schedule.nextTrainDue(now)) {
        m_schedule.takeStep(*train);
        takeStep(*train);
    }
    armForNextStep();
}

void TrainDriver::takeStep(int index) {
    m_model.moveTrain(index, m_cells);
    emit stepped(index);
}

void TrainDriver::armForNextStep() {
    if (const auto wait = m_schedule.millisecondsToNextStep(steadyNow())) {
        m_timer.start(*wait);
    } else {
        m_timer.stop();
    }
}
