#pragma once

#include "sim/SharedState.h"
#include "track/CellDisplay.h"

// A train on the track is a worm: the Length cells its head held last, newest first in Body.
// Each step hides the old body, moves the head, feeds the new head cell in and paints the
// new body. Body entries that are still 0 are skipped. Only Body[0]..Body[Length - 1] are
// ever read or written, so a train that was shortened leaves its old tail painted until
// something paints over it.

// Paints the train's body cells in the track colour.
void HideTheWorm(SharedState& state, CellDisplay& cells, int index);

// Moves every body entry back one place, dropping the old tail, and puts `newHeadPos` first.
void FeedTheWorm(SharedState& state, int index, CellIndex newHeadPos);

// Paints the train's body cells in its palette colour.
void PaintTheWorm(SharedState& state, CellDisplay& cells, int index);
