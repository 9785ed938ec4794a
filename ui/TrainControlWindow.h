#pragma once

#include "ui/StoredPlace.h"

#include <QWidget>

#include <optional>

// The window of the trains' throttles, colours and lengths. Its outer Height, in twips,
// decides how many train rows show.
class TrainControlWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and runs its Load handling; it stays hidden.
    TrainControlWindow();

    // The window's Left, Top and outer Height in twips, to keep at Quit.
    float leftTwips() const { return m_place->left(*this); }
    float topTwips() const { return m_place->top(*this); }
    float heightTwips() const { return m_height; }

protected:
    // Closing this window ends the program the way Quit does.
    void closeEvent(QCloseEvent* event) override;

private:
    void Load();
    void setHeightTwips(float height);

    std::optional<StoredPlace> m_place;
    float m_height = 0;
};
