#pragma once

#include "sim/SharedState.h"
#include "ui/StoredPlace.h"

#include <QWidget>

#include <array>
#include <cstdint>

class QScrollBar;
class ShapeBox;
class TextBox;
class TrainModel;

// The window of the trains' throttles, colours and lengths, one row a train. Its outer
// Height, in twips, always shows the rows of the trains in use; the rows outside it keep
// working. Each control shows the model and asks it for changes.
class TrainControlWindow final : public QWidget {
    Q_OBJECT

public:
    // The outer Height that shows exactly the rows of `trainCount` trains.
    static float heightForTrains(std::int32_t trainCount);

    // Creates the window and its rows at `place`, showing `model`; it stays hidden.
    TrainControlWindow(TrainModel& model, StoredPlace place);

    // The window's Left, Top and outer Height in twips, to keep at Quit.
    float leftTwips() const { return m_place.left(*this); }
    float topTwips() const { return m_place.top(*this); }
    float heightTwips() const { return m_height; }

signals:
    // A close from the window system: the user wants the program to end.
    void quitRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A press on the window or on a row box: one train more, or with Shift one fewer.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setHeightTwips(float height);
    void showThrottle(int index);
    void showColor(int index);
    void showLength(int index);

    TrainModel& m_model;
    std::array<ShapeBox*, kTrainSlots> boxTrainControl{};
    std::array<TextBox*, kTrainSlots> txtTrainColor{};
    std::array<QScrollBar*, kTrainSlots> HScrollTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainLength{};
    StoredPlace m_place;
    float m_height = 0;
};
