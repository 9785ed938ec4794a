#include "ui/TrainModel.h"

#include "sim/Movement.h"
#include "sim/TrainControls.h"

TrainModel::TrainModel(const SharedState& state, QObject* parent)
    : QObject(parent), m_state(state) {}

void TrainModel::catchUp() {
    emit catchUpRequested();
}

void TrainModel::setThrottle(int index, int value) {
    catchUp();
    if (SetThrottle(m_state, index, value)) {
        emit throttleChanged(index);
    }
}

void TrainModel::setHeldKey(KeyCode code) {
    catchUp();
    if (m_state.KeyDownCode != code) {
        m_state.KeyDownCode = code;
        emit heldKeyChanged();
    }
}

void TrainModel::pollHeldKey() {
    const KeyPollOutcome outcome = PollHeldKey(m_state);
    if (outcome.selectedColor) {
        emit trainSelected(*outcome.selectedColor);
    }
    if (outcome.throttleMoved) {
        emit throttleChanged(*outcome.throttleMoved);
    }
}

void TrainModel::selectNextColor(int index) {
    catchUp();
    SelectNextColor(m_state, index);
    emit colorChanged(index);
}

void TrainModel::pressLength(int index, int shiftState) {
    catchUp();
    if (PressLength(m_state, index, shiftState)) {
        emit lengthChanged(index);
    }
}

void TrainModel::pressTrainCount(int shiftState) {
    catchUp();
    if (PressTrainCount(m_state, shiftState) != 0) {
        emit trainCountChanged();
    }
}

void TrainModel::moveTrain(int index, CellDisplay& cells) {
    MoveTrain(m_state, cells, index);
}
