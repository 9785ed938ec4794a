#pragma once

#include "sim/SharedState.h"
#include "track/TrackLayout.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

class TrackCells;

// What a run stands in: the trains and the program-wide values of the shared state (not the
// palette nor the route table, which the run rebuilds), and every cell's colour, in TrackSeg's
// order. Two runs that stand in the same state go on alike.
struct RunState {
    SharedState state;
    std::array<Color, kTrackCellCount> cells{};
};
RunState runStateOf(const SharedState& state, const TrackCells& cells);

// The whole-number values of a train record, each with its name and the range that the
// trains rely on, in their order. Ctrl and Body are not among them.
struct TrainField {
    std::string_view name;
    std::int32_t TrainRecord::*member;
    std::int32_t min;
    std::int32_t max;
};
std::span<const TrainField> trainFields();

// A digest of everything in a run state (64-bit FNV-1a), the same on every machine.
std::uint64_t runDigest(const RunState& run);
std::string digestText(std::uint64_t digest);

// The first value in which `run` differs from `drive`, in words; nothing when none does.
std::optional<std::string> firstDifference(const RunState& drive, const RunState& run);
