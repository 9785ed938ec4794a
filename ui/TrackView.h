#pragma once

#include "track/TrackCells.h"
#include "ui/PaintedCells.h"

#include <QTimer>
#include <QWidget>

#include <array>

// Draws the whole track, every cell in its colour, and the bridge, in one widget. Colour
// changes are gathered and drawn once a frame, and only the boxes of the cells that changed
// are repainted.
class TrackView final : public QWidget {
    Q_OBJECT

public:
    TrackView(const TrackCells& cells, QWidget* parent);

    // The cells may have changed: the next frame shows them.
    void scheduleFrame();

    // The box of the cell at `slot` of TrackSeg, in this widget's pixels.
    QRect cellBox(int slot) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void repaintChangedCells();

    const TrackCells& m_cells;
    PaintedCells m_painted;
    std::array<QRect, kTrackCellCount> m_boxes;
    QTimer m_frameTimer;
};
