#include "ui/TrainTimer.h"

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

TrainTimer::TrainTimer(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TrainTimer::tick);
}

void TrainTimer::setInterval(int milliseconds) {
    m_clock.setInterval(milliseconds, steadyNow());
    if (m_clock.running()) {
        armForNextStep();
    } else {
        m_timer.stop();
    }
}

void TrainTimer::tick() {
    for (int steps = m_clock.takeStepsDue(steadyNow()); steps > 0; --steps) {
        emit step();
        // A step's handler may have stopped the train.
        if (!m_clock.running()) {
            return;
        }
    }
    armForNextStep();
}

void TrainTimer::armForNextStep() {
    m_timer.start(m_clock.millisecondsToNextStep(steadyNow()));
}
