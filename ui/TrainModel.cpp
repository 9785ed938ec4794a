#include "ui/TrainModel.h"

#include "sim/Movement.h"
#include "sim/TrainControls.h"

TrainModel::TrainModel(const SharedState& state, QObject* parent)
    : QObject(parent), m_state(state) {}

void TrainModel::catchUp() {
    emit catchUpRequested();
}

void TrainModel::setUserDrives(bool drives) {
    if (m_userDrives != drives) {
        m_userDrives = drives;
        emit userDrivesChanged(drives);
    }
}

void TrainModel::take(const DriveInput& input) {
    catchUp();
    apply(input);
}

void TrainModel::takeFromUser(const DriveInput& input) {
    if (m_userDrives) {
        take(input);
    }
}

void TrainModel::setThrottle(int index, int value) {
    takeFromUser({DriveInput::Kind::Throttle, index, value});
}

void TrainModel::setHeldKey(KeyCode code) {
    takeFromUser({DriveInput::Kind::Key, 0, code});
}

void TrainModel::selectNextColor(int index) {
    takeFromUser({DriveInput::Kind::Color, index, 0});
}

void TrainModel::pressLength(int index, int shiftState) {
    takeFromUser({DriveInput::Kind::Length, index, shiftState});
}

void TrainModel::pressTrainCount(int shiftState) {
    takeFromUser({DriveInput::Kind::TrainCount, 0, shiftState});
}

void TrainModel::apply(const DriveInput& input) {
    // The input is told before what it changed, so that it comes before whatever a listener
    // of the change does in turn.
    switch (input.kind) {
    case DriveInput::Kind::Key:
        if (m_state.KeyDownCode == input.value) {
            return;
        }
        m_state.KeyDownCode = static_cast<KeyCode>(input.value);
        emit inputTaken(input);
        emit heldKeyChanged();
        break;
    case DriveInput::Kind::Throttle:
        if (!SetThrottle(m_state, input.train, input.value)) {
            return;
        }
        emit inputTaken(input);
        emit throttleChanged(input.train);
        break;
    case DriveInput::Kind::Color:
        SelectNextColor(m_state, input.train);
        emit inputTaken(input);
        emit colorChanged(input.train);
        break;
    case DriveInput::Kind::Length:
        if (!PressLength(m_state, input.train, input.value)) {
            return;
        }
        emit inputTaken(input);
        emit lengthChanged(input.train);
        break;
    case DriveInput::Kind::TrainCount:
        if (PressTrainCount(m_state, input.value) == 0) {
            return;
        }
        emit inputTaken(input);
        emit trainCountChanged();
        break;
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

void TrainModel::moveTrain(int index, CellDisplay& cells) {
    MoveTrain(m_state, cells, index);
}
