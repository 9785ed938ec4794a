#pragma once

#include "track/CellIndex.h"

#include <QWidget>

#include <optional>

// A filled rectangle, optionally with a one-pixel border. It takes no mouse input: a press
// on it reaches the window beneath.
class ShapeBox final : public QWidget {
public:
    ShapeBox(Colour fill, std::optional<Colour> border, QWidget* parent);

    void setFillColour(Colour fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour m_fill;
    std::optional<Colour> m_border;
};
