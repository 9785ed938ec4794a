#pragma once

#include "app/SettingsStore.h"
#include "sim/SharedState.h"

// The keys and defaults of what the program keeps, and the two moments it uses them: start-up
// fills the shared state, Quit writes eleven values back.

inline constexpr const char* kGlobalsSection = "Globals";

// A window's place in its own section of the store, and where it opens on a first start.
struct WindowPlaceKeys {
    const char* section;
    float defaultLeft; // twips
    float defaultTop;
};

inline constexpr WindowPlaceKeys kTrackMapPlace{"frmTrackMap", 1000, 1110};
inline constexpr WindowPlaceKeys kTrainControlPlace{"frmTrainControl", 1000, 5650};
inline constexpr WindowPlaceKeys kOverviewPlace{"frmOverview", 1000, 7950};

// Fills the shared state from the "Globals" section, or from the defaults, and builds the
// palette. Values outside what the program relies on are rejected with a warning.
void LoadSettings(SettingsStore& store, SharedState& state);

// The window measures that Quit keeps, in twips.
struct WindowPlaces {
    float overviewLeft;
    float overviewTop;
    float trackMapLeft;
    float trackMapTop;
    float trainControlLeft;
    float trainControlTop;
    float trainControlHeight;
};

// Writes the eleven values that outlive a run, in their fixed order. Nothing else is written:
// lengths, throttles, head cells and the controlled train start from the store's values or
// the defaults next time.
void WriteQuitSettings(SettingsStore& store, const SharedState& state, const WindowPlaces& places);
