#pragma once

#include "sim/SharedState.h"
#include "ui/StoredPlace.h"

#include <QWidget>

#include <array>
#include <optional>

class QScrollBar;
class ShapeBox;
class TextBox;
class TrainTimer;

// The window of the trains' throttles, colours and lengths, one row a train. Its outer
// Height, in twips, decides how many rows show; the rows outside it keep working. It owns
// the trains' timers: each tick of a train's timer moves that train one step.
class TrainControlWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and runs its Load handling; it stays hidden.
    TrainControlWindow();

    // The window's Left, Top and outer Height in twips, to keep at Quit.
    float leftTwips() const { return m_place->left(*this); }
    float topTwips() const { return m_place->top(*this); }
    float heightTwips() const { return m_height; }

    // The Value of train `index`'s throttle. Setting it moves the throttle as the user would:
    // the train's timer and speed box follow.
    int throttleValue(int index) const;
    void setThrottleValue(int index, int value);

    // The steps of train `index` on the track map's cells.
    void MoveTrain(int index);
    void HideTheWorm(int index);
    void FeedTheWorm(int index, CellIndex newHeadPos);
    void PaintTheWorm(int index);

protected:
    bool event(QEvent* event) override;
    // Closing this window ends the program the way Quit does.
    void closeEvent(QCloseEvent* event) override;
    // A press on the window or on a row box: one train more, or with Shift one fewer.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Load();
    void setHeightTwips(float height);
    void updateThrottle(int index);
    void clickColour(int index);
    void pressLength(int index, int shiftState);

    std::array<ShapeBox*, kTrainSlots> boxTrainControl{};
    std::array<TextBox*, kTrainSlots> txtTrainColor{};
    std::array<QScrollBar*, kTrainSlots> HScrollTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainLength{};
    std::array<TrainTimer*, kTrainSlots> timerTrainSpeed{};
    std::optional<StoredPlace> m_place;
    float m_height = 0;
};
