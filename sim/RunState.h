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

// A value in which a run differs from its drive: which one, and what each has.
struct RunDifference {
    enum class Value {
        TrainCount,
        ControlledTrain,
        TrackColor,
        KeyHeld,
        TrainField,
        BodyCell,
        CellColor
    };
    Value value = Value::TrainCount;
    int train = 0;            // of a train field and a body cell
    std::string_view field{}; // of a train field: its word in a drive
    std::size_t index = 0;    // of a body cell, its place in the body; of a cell colour, the cell
    std::int32_t run = 0;
    std::int32_t drive = 0;
};

// The first value in which `run` differs from `drive`; nothing when none does.
std::optional<RunDifference> firstDifference(const RunState& drive, const RunState& run);
