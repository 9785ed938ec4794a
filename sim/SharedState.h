#pragma once

#include "sim/KeyCodes.h"
#include "track/CellIndex.h"
#include "track/NodeRoutes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

inline constexpr int kTrainSlots = 3;     // TrainData(0..2)
inline constexpr int kBodyCapacity = 501; // Body(0..500)
inline constexpr int kPaletteSize = 27;   // Palette(0..26)

inline constexpr std::int32_t kThrottleMin = 0;
inline constexpr std::int32_t kThrottleMax = 100;
inline constexpr std::int32_t kThrottleStart = 1;

// One train. HeadPos, NextNode, RunStart, RunEnd and every Body entry are cell indices.
struct TrainRecord {
    CellIndex HeadPos = 0;
    CellIndex NextNode = 0; // the node that the current run leads into
    CellIndex RunStart = 0;
    CellIndex RunEnd = 0; // the cell from which the head steps into NextNode
    std::int32_t Length = 0;
    bool Ctrl = false; // loaded from the store and kept; nothing acts on it
    // Newest first: Body[0] is the head cell after the latest step; 0 means no cell yet.
    std::array<CellIndex, kBodyCapacity> Body{};
    std::int32_t ColorIndex = 0; // into Palette
    std::int32_t Speed = 0;      // the stored throttle value, shown but not driven
    // The throttle as the user or the keys set it, and the step interval in milliseconds that
    // it gives, 0 while the train stands. Every train stands until its throttle first moves.
    std::int32_t Throttle = kThrottleStart;
    std::int32_t Interval = 0;

    bool operator==(const TrainRecord&) const = default;
};

// Everything the trains, the windows and the settings share. All zero, but for the throttles,
// until start-up loads the store; afterwards only event handlers change it, one at a time.
struct SharedState {
    std::array<TrainRecord, kTrainSlots> TrainData{};
    RouteTable Routes; // NodeRoutes and NodeRouteCount of the node parsed last
    std::array<Color, kPaletteSize> Palette{};
    std::int32_t TrainCount = 0; // trains in use, 1..3
    std::int32_t ControlledTrain = 0;
    Color TrackColor = 0;
    KeyCode KeyDownCode = kNoKey; // virtual-key code of the key held, 0 when none
};

// Train `index` as an index into the per-train arrays; an index outside 0..2 stops the program
// with a message.
std::size_t trainSlot(int index);

// The record of train `index`; an index outside 0..2 stops the program with a message.
TrainRecord& trainAt(SharedState& state, int index);
const TrainRecord& trainAt(const SharedState& state, int index);

// Body[0]..Body[Length - 1] of train `index`: none for a length of 0 or less. Lengths are kept
// within the body where they change, so a longer one means the state is corrupt: it stops the
// program with a message.
std::span<CellIndex> bodyOf(SharedState& state, int index);
std::span<const CellIndex> bodyOf(const SharedState& state, int index);

// The palette colour of train `index`. A colour index outside the palette stops the program
// with a message.
Color trainColor(const SharedState& state, int index);
