#include "LoneTrackMap.h"
#include "track/TrackLayout.h"
#include "ui/DesignUnits.h"
#include "ui/TrackMapWindow.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

// The track map on a screen of two device pixels to each device-independent pixel (this
// program runs with QT_SCALE_FACTOR=2): Qt scales the twips layout, and every cell is drawn
// at twice its place and size, each edge on a whole device pixel.

namespace {

constexpr int kScale = 2;
const QColor kOutline(64, 64, 64);
const QColor kBackground(192, 192, 255);

// A colour of its own for every cell, so a cell found at a place is known to be that cell.
Color colorOfSlot(std::size_t slot) {
    return static_cast<Color>(0x100000 + 0x0301 * slot);
}

TEST(ScaledTrackTest, EveryCellIsDrawnAtTwiceItsPlaceAndSizeWithSharpEdges) {
    LoneTrackMap map;
    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        map.cells.SetBackColor(TrackSeg[slot].index, colorOfSlot(slot));
    }
    const QPixmap grabbed = map.window.grab();
    ASSERT_EQ(grabbed.devicePixelRatio(), kScale);
    const QImage image = grabbed.toImage();
    ASSERT_EQ(image.size(), map.window.size() * kScale);

    for (std::size_t slot = 0; slot < TrackSeg.size(); ++slot) {
        const TrackCell& cell = TrackSeg[slot];
        if (!cell.shown) {
            continue;
        }
        SCOPED_TRACE("cell " + std::to_string(cell.index));
        const QRect logical = twipsRect(cell.left, cell.top, cell.width, cell.height);
        const QRect device(logical.topLeft() * kScale, logical.size() * kScale);
        const QColor fill = toQColor(colorOfSlot(slot));
        // The outline is one logical pixel wide: two device pixels, inside the box.
        const QRect inside = device.adjusted(kScale, kScale, -kScale, -kScale);
        int wrong = 0;
        for (int y = device.top(); y <= device.bottom(); ++y) {
            for (int x = device.left(); x <= device.right(); ++x) {
                const QColor expected = inside.contains(x, y) ? fill : kOutline;
                wrong += image.pixelColor(x, y) != expected ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << "of " << device.width() * device.height() << " device pixels";
        // Nothing of the cell spills over its edges: the pixels just outside show the window.
        for (const QPoint outside :
             {device.topLeft() - QPoint(1, 0), device.bottomRight() + QPoint(1, 0),
              device.topLeft() - QPoint(0, 1), device.bottomRight() + QPoint(0, 1)}) {
            EXPECT_EQ(image.pixelColor(outside), kBackground)
                << "at " << outside.x() << ", " << outside.y();
        }
    }
}

} // namespace
