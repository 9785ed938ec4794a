#pragma once

#include "sim/DriveInput.h"
#include "sim/KeyPoll.h"
#include "sim/SharedState.h"

#include <QObject>

class CellDisplay;

// The program's state, and the one way to change it: every change, whether it comes from a
// window, from the keys or from the train driver, goes through a call here, which applies the
// rule of the trains' code and reports what changed. Windows show what it reports.
//
// The trains move with time. Before a change from outside (a key, a throttle, a press or a
// click) applies, and before a reader looks (catchUp), the model asks whoever paces the trains
// to bring them up to now, so that the change applies at its own time.
//
// While a drive plays, the user does not drive: the user's calls change nothing, and the
// drive's inputs come through take().
class TrainModel final : public QObject {
    Q_OBJECT

public:
    // Holds `state`, as start-up loaded it.
    explicit TrainModel(const SharedState& state, QObject* parent = nullptr);

    const SharedState& state() const { return m_state; }
    // Brings the trains up to now, for a reader about to look at them.
    void catchUp();

    // Whether the user's calls below are taken: not while a drive plays.
    bool userDrives() const { return m_userDrives; }
    void setUserDrives(bool drives);
    // One input, at now, whoever drives: the user's calls below come here.
    void take(const DriveInput& input);

    // Moves train `index`'s throttle, from the throttle's scroll bar or from the program.
    void setThrottle(int index, int value);
    // The key the user holds, kNoKey when none.
    void setHeldKey(KeyCode code);
    // One poll of the held key (see PollHeldKey), as it falls due.
    void pollHeldKey();
    // A click on train `index`'s colour.
    void selectNextColor(int index);
    // A press on train `index`'s length box, with the press's shift state.
    void pressLength(int index, int shiftState);
    // A press on the train control window, with the press's shift state.
    void pressTrainCount(int shiftState);
    // One step of train `index` over `cells`, as it falls due.
    void moveTrain(int index, CellDisplay& cells);

signals:
    // The trains are about to be read or changed from outside: bring them up to now.
    void catchUpRequested();
    // An input changed the state, just now; what it changed is signalled next.
    void inputTaken(const DriveInput& input);
    void userDrivesChanged(bool drives);
    // The key held is another now.
    void heldKeyChanged();
    void throttleChanged(int index);
    // Ctrl selected the next train, which has `color`.
    void trainSelected(Color color);
    void colorChanged(int index);
    void lengthChanged(int index);
    void trainCountChanged();

private:
    void takeFromUser(const DriveInput& input);
    void apply(const DriveInput& input);

    SharedState m_state;
    bool m_userDrives = true;
};
