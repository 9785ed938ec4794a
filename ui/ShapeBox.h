#pragma once

#include "track/CellIndex.h"

#include <QWidget>

#include <optional>

// A filled rectangle, optionally with a one-pixel border. It takes no mouse input: a press
// on it reaches the window beneath.
class ShapeBox final : public QWidget {
public:
    ShapeBox(Color fill, std::optional<Color> border, QWidget* parent);

    void setFillColor(Color fill);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Color m_fill;
    std::optional<Color> m_border;
};
