#pragma once

#include "sim/SharedState.h"
#include "ui/StoredPlace.h"

#include <QWidget>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QTimer;
class TextBox;

// The live view of every train, the number of trains and the held key. Every 100 ms for as
// long as it is loaded, shown or hidden, it rewrites each field from the shared state. Close
// only hides it: it stays loaded.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and runs its Load handling; it stays hidden.
    OverviewWindow();

    // The window's Left and Top in twips, to keep at Quit.
    float leftTwips() const { return m_place->left(*this); }
    float topTwips() const { return m_place->top(*this); }

    // One tick of Timer1: every field shows the shared state as it stands.
    void refresh();

private:
    void Load();

    std::array<TextBox*, kTrainSlots> txtTrainSpeed{};
    std::array<TextBox*, kTrainSlots> txtTrainPosition{};
    std::array<TextBox*, kTrainSlots> txtTrainColor{};
    std::array<TextBox*, kTrainSlots> txtTrainLength{};
    std::array<TextBox*, kTrainSlots> txtWorm{};
    TextBox* txtTrainCount;
    TextBox* txtKeyDown;
    QPushButton* cmdClose;
    QTimer* Timer1;
    std::optional<StoredPlace> m_place;
};
