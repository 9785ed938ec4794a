#include "RateCurveBench.h"

#include "BenchProgram.h"
#include "sim/TrainControls.h"

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kThrottleStep = 5;

struct RatePoint {
    int throttle = 0;
    int interval = 0;
    double askedPerSecond = 0;
    double donePerSecond = 0;
    std::int64_t stepsDone = 0;
};

// One train runs at `throttle` from standing for long enough to take at least two steps.
// Its rate is its steps from the first to the last over the time between them, so a step
// lost or late shows, and a short run is not rounded down to whole steps.
RatePoint measure(BenchProgram& program, int throttle, int secondsPerPoint, StepCounter& counter) {
    RatePoint point;
    point.throttle = throttle;
    point.interval = SpeedToInterval(throttle);
    program.setThrottles(1, 0);
    counter.reset();
    program.setThrottles(1, throttle);
    const int milliseconds = std::max(secondsPerPoint * 1000, point.interval * 5 / 2);
    runEventLoopFor(milliseconds);
    program.catchUp();
    point.stepsDone = counter.steps;
    if (point.interval > 0) {
        point.askedPerSecond = 1000.0 / point.interval;
    }
    if (counter.steps >= 2) {
        point.donePerSecond = static_cast<double>(counter.steps - 1) * 1e9 /
                              static_cast<double>(counter.lastStepAt - counter.firstStepAt);
    }
    return point;
}

} // namespace

int runRateCurve(int secondsPerPoint, const char* csvPath) {
    std::FILE* csv = std::fopen(csvPath, "w");
    if (csv == nullptr) {
        std::fprintf(stderr, "bench: cannot write %s\n", csvPath);
        return EXIT_FAILURE;
    }
    BenchProgram program(QByteArrayLiteral("[Globals]\nTrainCount=1\n"));
    StepCounter counter(program, 0);
    std::fprintf(csv, "throttle,interval_ms,asked_steps_per_s,done_steps_per_s,steps_done\n");
    std::printf("rate curve: one train, at least %d s a throttle\n", secondsPerPoint);
    std::printf("throttle  interval ms  asked/s  done/s  steps\n");
    for (int throttle = kThrottleMin; throttle <= kThrottleMax; throttle += kThrottleStep) {
        const RatePoint point = measure(program, throttle, secondsPerPoint, counter);
        std::fprintf(csv, "%d,%d,%.3f,%.3f,%lld\n", point.throttle, point.interval,
                     point.askedPerSecond, point.donePerSecond,
                     static_cast<long long>(point.stepsDone));
        std::printf("%8d  %11d  %7.2f  %6.2f  %5lld\n", point.throttle, point.interval,
                    point.askedPerSecond, point.donePerSecond,
                    static_cast<long long>(point.stepsDone));
    }
    return std::fclose(csv) == 0 ? 0 : EXIT_FAILURE;
}
