#pragma once

#include "ui/StoredPlace.h"

#include <QWidget>

#include <optional>

// The live view of every train. Closing it only hides it: it stays loaded.
class OverviewWindow final : public QWidget {
    Q_OBJECT

public:
    // Creates the window and runs its Load handling; it stays hidden.
    OverviewWindow();

    // The window's Left and Top in twips, to keep at Quit.
    float leftTwips() const { return m_place->left(*this); }
    float topTwips() const { return m_place->top(*this); }

private:
    void Load();

    std::optional<StoredPlace> m_place;
};
