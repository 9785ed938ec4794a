#pragma once

#include "sim/SharedState.h"
#include "track/TrackCells.h"
#include "ui/StoredPlace.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainModel.h"

#include <QImage>

// A track map of its own, on cells of its own that a test colours as it likes.
struct LoneTrackMap {
    TrainModel model{SharedState{}};
    TrackCells cells;
    TrackMapWindow window{model, cells, StoredPlace({0, 0}, {0, 0}, {}, false)};

    // The track map as it shows now: a grab draws every cell from its present colour.
    QImage image() { return window.grab().toImage(); }
};
