#include "sim/RunState.h"

#include "sim/TrainControls.h"
#include "track/TrackCells.h"

#include <cstdio>
#include <limits>
#include <vector>

namespace {

constexpr std::int32_t kMaxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinLong = std::numeric_limits<std::int32_t>::min();

// The values of a train line, in their order, with the range each must lie in. Ctrl is a flag
// of 0 or 1, and the body a list of cells; both come after these.
constexpr TrainField kTrainFields[] = {
    {"head", &TrainRecord::HeadPos, 0, kHighestCellIndex},
    {"next", &TrainRecord::NextNode, 0, kHighestCellIndex},
    {"start", &TrainRecord::RunStart, 0, kHighestCellIndex},
    {"end", &TrainRecord::RunEnd, 0, kHighestCellIndex},
    {"length", &TrainRecord::Length, 0, kBodyCapacity},
    {"color", &TrainRecord::ColorIndex, 0, kPaletteSize - 1},
    {"speed", &TrainRecord::Speed, kMinLong, kMaxLong},
    {"throttle", &TrainRecord::Throttle, kThrottleMin, kThrottleMax},
    {"interval", &TrainRecord::Interval, 0, kMaxLong}, // and the throttle's, or 0
};

// FNV-1a over 32-bit values, least significant byte first.
class Digest {
public:
    void add(std::int32_t value) {
        auto bits = static_cast<std::uint32_t>(value);
        for (int byte = 0; byte < 4; ++byte) {
            m_hash = (m_hash ^ (bits & 0xFFu)) * 0x100000001B3u;
            bits >>= 8;
        }
    }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0xCBF29CE484222325u;
};

// Every value of a run state with where it is, in the digest's order, for `visit(where,
// value)`.
template <typename Visit>
void forEachValue(const RunState& run, Visit visit) {
    using Value = RunDifference::Value;
    const SharedState& state = run.state;
    visit(RunDifference{.value = Value::TrainCount}, state.TrainCount);
    visit(RunDifference{.value = Value::ControlledTrain}, state.ControlledTrain);
    visit(RunDifference{.value = Value::TrackColor}, state.TrackColor);
    visit(RunDifference{.value = Value::KeyHeld}, state.KeyDownCode);
    for (int i = 0; i < kTrainSlots; ++i) {
        const TrainRecord& train = trainAt(state, i);
        for (const TrainField& field : kTrainFields) {
            visit(RunDifference{.value = Value::TrainField, .train = i, .field = field.name},
                  train.*field.member);
        }
        visit(RunDifference{.value = Value::TrainField, .train = i, .field = "ctrl"},
              train.Ctrl ? 1 : 0);
        for (std::size_t k = 0; k < train.Body.size(); ++k) {
            visit(RunDifference{.value = Value::BodyCell, .train = i, .index = k}, train.Body[k]);
        }
    }
    for (std::size_t slot = 0; slot < run.cells.size(); ++slot) {
        visit(RunDifference{.value = Value::CellColor, .index = std::size_t(TrackSeg[slot].index)},
              run.cells[slot]);
    }
}

} // namespace

std::span<const TrainField> trainFields() {
    return kTrainFields;
}

RunState runStateOf(const SharedState& state, const TrackCells& cells) {
    RunState run{state, {}};
    for (std::size_t slot = 0; slot < run.cells.size(); ++slot) {
        run.cells[slot] = cells.colorAt(static_cast<int>(slot));
    }
    return run;
}

std::uint64_t runDigest(const RunState& run) {
    Digest digest;
    // Without the names: a digest is taken at every check.
    const SharedState& state = run.state;
    for (const std::int32_t value : {state.TrainCount, state.ControlledTrain, state.TrackColor,
                                     std::int32_t(state.KeyDownCode)}) {
        digest.add(value);
    }
    for (const TrainRecord& train : state.TrainData) {
        for (const TrainField& field : kTrainFields) {
            digest.add(train.*field.member);
        }
        digest.add(train.Ctrl ? 1 : 0);
        for (const CellIndex n : train.Body) {
            digest.add(n);
        }
    }
    for (const Color color : run.cells) {
        digest.add(color);
    }
    return digest.value();
}

std::string digestText(std::uint64_t digest) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(digest));
    return text;
}

std::optional<RunDifference> firstDifference(const RunState& drive, const RunState& run) {
    std::vector<std::int32_t> recorded;
    forEachValue(drive,
                 [&](const RunDifference&, std::int32_t value) { recorded.push_back(value); });
    std::optional<RunDifference> first;
    std::size_t k = 0;
    forEachValue(run, [&](const RunDifference& where, std::int32_t value) {
        if (!first && recorded[k] != value) {
            first = where;
            first->run = value;
            first->drive = recorded[k];
        }
        ++k;
    });
    return first;
}
