#include "ui/TrackView.h"

#include "ui/DesignUnits.h"

#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

#include <vector>

namespace {

const QColor kCellOutline(64, 64, 64);
const QColor kBridgeLine(Qt::black);

} // namespace

TrackView::TrackView(const TrackCells& cells, QWidget* parent)
    : QWidget(parent), m_cells(cells), m_painted(cells) {
    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        const TrackCell& cell = TrackSeg[slot];
        m_boxes[slot] = twipsRect(cell.left, cell.top, cell.width, cell.height);
    }
}

QRect TrackView::cellBox(int slot) const {
    return m_boxes.at(static_cast<std::size_t>(slot));
}

void TrackView::showFrame() {
    std::vector<QRegion> changed;
    for (const int slot : m_painted.takeChangedSlots(m_cells)) {
        if (TrackSeg[static_cast<std::size_t>(slot)].shown) {
            changed.emplace_back(m_boxes[static_cast<std::size_t>(slot)]);
        }
    }
    // United in pairs: a region that takes the boxes one at a time costs the square of their
    // number, and a long train changes every cell of the track.
    for (std::size_t width = 1; width < changed.size(); width *= 2) {
        for (std::size_t k = 0; k + width < changed.size(); k += 2 * width) {
            changed[k] += changed[k + width];
        }
    }
    if (!changed.empty()) {
        update(changed.front());
    }
}

void TrackView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRegion& dirty = event->region();
    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        const QRect& box = m_boxes[slot];
        if (!TrackSeg[slot].shown || !dirty.intersects(box)) {
            continue;
        }
        // Filled, not stroked: a pen's line is centred on the box's edge and, on a scaled
        // screen, spills half its width outside the box. Filled areas keep to whole pixels.
        painter.fillRect(box, kCellOutline);
        painter.fillRect(box.adjusted(1, 1, -1, -1),
                         toQColor(m_cells.colorAt(static_cast<int>(slot))));
    }
    painter.setPen(kBridgeLine);
    for (const TrackLine& line : BridgeLines) {
        painter.drawLine(QPointF(line.x1 / kTwipsPerPixel, line.y1 / kTwipsPerPixel),
                         QPointF(line.x2 / kTwipsPerPixel, line.y2 / kTwipsPerPixel));
    }
}
