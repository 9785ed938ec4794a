#pragma once

#include "sim/SharedState.h"
#include "ui/StoredPlace.h"

#include <QWidget>

#include <array>

class QLineEdit;
class QPushButton;
class QTimer;
class LongTextBox;
class TextBox;
class TrainModel;

// The live view of every train, the number of trains and the held key. Every 100 ms for as
// long as it exists, shown or hidden, it brings the model up to now and rewrites each field
// from it. Close only hides it.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window at `place`, its fields showing `model`; it stays hidden.
    OverviewWindow(TrainModel& model, StoredPlace place);

    // The window's Left and Top in twips, to keep at Quit.
    float leftTwips() const { return m_place.left(*this); }
    float topTwips() const { return m_place.top(*this); }

    // One tick of Timer1: every field shows the model as it stands.
    void refresh();

private:
    TrainModel& m_model;

    std::array<TextBox*, kTrainSlots> txtTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainPosition{};
    std::array<TextBox*, kTrainSlots> txtTrainColor{};
    std::array<TextBox*, kTrainSlots> txtTrainLength{};
    std::array<LongTextBox*, kTrainSlots> txtWorm{};
    TextBox* txtTrainCount;
    TextBox* txtKeyDown;
    QPushButton* cmdClose;
    QTimer* Timer1;
    StoredPlace m_place;
};
