#pragma once

#include "track/TrackCells.h"
#include "ui/PaintedCells.h"

#include <QWidget>

#include <array>

// Draws the whole track, every cell in its colour, and the bridge, in one widget. Colour
// changes are drawn at each frame, and only the boxes of the cells that changed since the
// last one are repainted.
class TrackView final : public QWidget {
    Q_OBJECT

public:
    TrackView(const TrackCells& cells, QWidget* parent);

    // A frame: repaints the cells whose colour changed since the last one.
    void showFrame();

    // The box of the cell at `slot` of TrackSeg, in this widget's pixels.
    QRect cellBox(int slot) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const TrackCells& m_cells;
    PaintedCells m_painted;
    std::array<QRect, kTrackCellCount> m_boxes;
};
