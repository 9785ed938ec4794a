#pragma once

#include "sim/SharedState.h"
#include "track/CellDisplay.h"

// One step of train `index`: on a plain cell the head moves one cell along its run, or into
// the node at the run's end; on a node it takes the route that the held key chooses. The old
// body is hidden first and the new one painted last.
//
// At a node the train arrived by the first of the four route slots whose first cell is the
// end of the run it came on (slot 4 when none is), and leaves by:
//   Left:    one slot on (the leftmost exit, since the slots run clockwise);
//   Right:   two slots on at a 3-route node, three at a 4-route node, else slot 0;
//   any other key, or none: two slots on (straight on at a 4-route node).
void MoveTrain(SharedState& state, CellDisplay& cells, int index);
