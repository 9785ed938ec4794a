#include "PacingBench.h"

#include "BenchProgram.h"
#include "sim/SharedState.h"
#include "sim/TrainControls.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdio>
#include <memory>

namespace {

// Three trains of `length` cells, on the nodes where start-up puts them.
QByteArray threeTrains(int length) {
    return QStringLiteral("[Globals]\nTrainCount=3\nTrainLength0=%1\nTrainLength1=%1\n"
                          "TrainLength2=%1\n")
        .arg(length)
        .toLatin1();
}

struct ProgramFigures {
    double wallSeconds = 0;
    double cpuPerWallSecond = 0;
    double repaintsPerSecond = 0;
    double peakResidentMegabytes = 0;
};

void printProgramFigures(const ProgramFigures& figures) {
    std::printf("wall seconds            %.3f\n", figures.wallSeconds);
    std::printf("track-map repaints/s    %.1f\n", figures.repaintsPerSecond);
    std::printf("CPU s per wall s        %.4f\n", figures.cpuPerWallSecond);
    std::printf("peak resident MB        %.1f\n", figures.peakResidentMegabytes);
}

// Runs the program for `seconds` from now and measures it, the trains' throttles having just
// been set.
ProgramFigures measureFor(BenchProgram& program, int seconds, const PaintCounter& painted,
                          std::int64_t startedAt, double cpuAtStart) {
    const std::int64_t paintsAtStart = painted.paints;
    runEventLoopFor(seconds * 1000);
    const std::int64_t endedAt = program.catchUp();
    const ProcessUsage usage = processUsage();
    ProgramFigures figures;
    figures.wallSeconds = static_cast<double>(endedAt - startedAt) / 1e9;
    figures.cpuPerWallSecond = (usage.cpuSeconds - cpuAtStart) / figures.wallSeconds;
    figures.repaintsPerSecond =
        static_cast<double>(painted.paints - paintsAtStart) / figures.wallSeconds;
    figures.peakResidentMegabytes = usage.peakResidentMegabytes;
    return figures;
}

} // namespace

int runPacing(int throttle, int seconds, int length) {
    BenchProgram program(threeTrains(length));
    program.openOverview();
    std::array<std::unique_ptr<StepCounter>, kTrainSlots> counters;
    for (int i = 0; i < kTrainSlots; ++i) {
        counters[static_cast<std::size_t>(i)] = std::make_unique<StepCounter>(program, i);
    }
    const PaintCounter painted(program);

    const double cpuAtStart = processUsage().cpuSeconds;
    const std::int64_t startedAt = steadyNanoseconds();
    program.setThrottles(kTrainSlots, throttle);
    // The steps done are counted up to the same instant as the wall time.
    const ProgramFigures figures = measureFor(program, seconds, painted, startedAt, cpuAtStart);
    const std::int32_t interval = SpeedToInterval(throttle);

    std::printf("pacing: 3 trains of length %d at throttle %d (a step every %d ms), the "
                "overview open, %d s\n",
                length, throttle, interval, seconds);
    for (int i = 0; i < kTrainSlots; ++i) {
        const StepCounter& counter = *counters[static_cast<std::size_t>(i)];
        const double asked = figures.wallSeconds * 1000.0 / interval;
        const auto done = static_cast<double>(counter.steps);
        std::printf("train %d: steps asked %.2f, done %.0f, done - asked %+.2f, ratio %.4f\n", i,
                    asked, done, done - asked, done / asked);
    }
    printProgramFigures(figures);
    return 0;
}

int runIdle(int seconds) {
    BenchProgram program(threeTrains(kBodyCapacity));
    program.openOverview();
    program.setThrottles(kTrainSlots, 0);
    const PaintCounter painted(program);
    // The trains' last steps and the windows' first frames settle first.
    runEventLoopFor(1000);

    const double cpuAtStart = processUsage().cpuSeconds;
    const std::int64_t startedAt = steadyNanoseconds();
    const ProgramFigures figures = measureFor(program, seconds, painted, startedAt, cpuAtStart);
    std::printf("idle: 3 trains at throttle 0, the overview open, %d s\n", seconds);
    printProgramFigures(figures);
    return 0;
}
