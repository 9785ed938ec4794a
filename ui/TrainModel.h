#pragma once

#include "sim/KeyPoll.h"
#include "sim/SharedState.h"

#include <QObject>

class CellDisplay;

// The program's state, and the one way to change it: every change, whether it comes from a
// window, from the keys or from the train driver, goes through a call here, which applies the
// rule of the trains' code and reports what changed. Windows show what it reports.
class TrainModel final : public QObject {
    Q_OBJECT

public:
    // Holds `state`, as start-up loaded it.
    explicit TrainModel(const SharedState& state, QObject* parent = nullptr);

    const SharedState& state() const { return m_state; }

    // Moves train `index`'s throttle, from the throttle's scroll bar or from the program.
    void setThrottle(int index, int value);
    // The key the user holds, kNoKey when none.
    void setHeldKey(KeyCode code);
    // One poll of the held key (see PollHeldKey).
    KeyPollOutcome pollHeldKey();
    // A click on train `index`'s colour.
    void selectNextColor(int index);
    // A press on train `index`'s length box, with the press's shift state.
    void pressLength(int index, int shiftState);
    // A press on the train control window, with the press's shift state.
    void pressTrainCount(int shiftState);
    // One step of train `index` over `cells`.
    void moveTrain(int index, CellDisplay& cells);

signals:
    void throttleChanged(int index);
    void colorChanged(int index);
    void lengthChanged(int index);
    void trainCountChanged();

private:
    SharedState m_state;
};
