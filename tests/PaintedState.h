#pragma once

#include "sim/Palette.h"
#include "sim/SharedState.h"

// A state as start-up leaves it for painting: the palette built and the track colour white.
inline SharedState paintedState() {
    SharedState state;
    state.Palette = BuildPalette();
    state.TrackColor = kWhite;
    return state;
}
