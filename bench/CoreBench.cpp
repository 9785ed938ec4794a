// The trains' own work, with no window: a movement step at the shortest and longest bodies
// that users drive, a step off each node, and the parse of each node's routes.
#include "CountingCells.h"
#include "sim/Movement.h"
#include "sim/Palette.h"
#include "sim/SharedState.h"
#include "track/NodeRoutes.h"
#include "track/TrackLayout.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

// One train of `length` cells standing on `node`, as start-up leaves it.
SharedState oneTrainOn(CellIndex node, std::int32_t length) {
    SharedState state;
    state.Palette = BuildPalette();
    state.TrainCount = 1;
    state.TrackColor = kWhite;
    TrainRecord& train = state.TrainData[0];
    train.HeadPos = node;
    train.Length = length;
    train.ColorIndex = 3;
    return state;
}

// A train of `length` cells stepping on and on round the track; its body is full after the
// first `length` steps, so the steady state is what is timed.
void BM_MoveTrain(benchmark::State& run) {
    const auto length = static_cast<std::int32_t>(run.range(0));
    SharedState state = oneTrainOn(kFirstNode, length);
    CountingCells cells;
    for (std::int32_t warm = 0; warm < length; ++warm) {
        MoveTrain(state, cells, 0);
    }
    const std::int64_t writesBefore = cells.writes;
    for (auto _ : run) {
        MoveTrain(state, cells, 0);
    }
    benchmark::DoNotOptimize(state.TrainData[0].HeadPos);
    run.counters["cell writes/step"] = benchmark::Counter(
        static_cast<double>(cells.writes - writesBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MoveTrain)->Arg(5)->Arg(kBodyCapacity);

// The step that leaves `node`: the route parse and the choice of exit, with a body of 5.
void BM_StepOffNode(benchmark::State& run) {
    const auto node = static_cast<CellIndex>(run.range(0));
    SharedState state = oneTrainOn(node, 5);
    CountingCells cells;
    const SharedState standing = state;
    for (auto _ : run) {
        state.TrainData[0] = standing.TrainData[0];
        MoveTrain(state, cells, 0);
        benchmark::DoNotOptimize(state.TrainData[0].HeadPos);
    }
}
BENCHMARK(BM_StepOffNode)->DenseRange(kFirstNode, kLastNode);

void BM_ParseNodeRoutes(benchmark::State& run) {
    const auto node = static_cast<CellIndex>(run.range(0));
    CountingCells cells;
    RouteTable table;
    for (auto _ : run) {
        if (const auto fault = ParseNodeRoutes(cells, node, table)) {
            std::fprintf(stderr, "bench: node %d: %s\n", static_cast<int>(node), fault->c_str());
            std::abort();
        }
        benchmark::DoNotOptimize(table);
    }
}
BENCHMARK(BM_ParseNodeRoutes)->DenseRange(kFirstNode, kLastNode);

} // namespace

BENCHMARK_MAIN();
