// The program's benchmarks that run its real windows: pacing, idle, the rate curve and
// start-up; and the check of a drive, which needs none. Each run is a process of its own, so its
// processor time and memory are its own.
#include "BenchProgram.h"
#include "CheckBench.h"
#include "PacingBench.h"
#include "RateCurveBench.h"
#include "StartupBench.h"
#include "sim/SharedState.h"
#include "sim/TrainControls.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int usage() {
    std::fprintf(stderr, "usage: varnok_bench_program pacing THROTTLE SECONDS [LENGTH]\n"
                         "       varnok_bench_program idle SECONDS\n"
                         "       varnok_bench_program rate-curve SECONDS_PER_POINT CSV_FILE\n"
                         "       varnok_bench_program startup RUNS\n"
                         "       varnok_bench_program check DRIVE RUNS\n");
    return EXIT_FAILURE;
}

bool is(const char* argument, const char* mode) {
    return std::strcmp(argument, mode) == 0;
}

// Runs `benchmark` in an application of the program's kind, its arguments already checked.
template <typename Benchmark>
int withApplication(int argc, char* argv[], Benchmark benchmark) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return benchmark();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return usage();
    }
    if (is(argv[1], "startup-child")) {
        return runStartupChild(argc, argv);
    }
    if (is(argv[1], "check") && argc == 4) {
        const int runs = wholeNumberArgument(argv[3], 1, 1000);
        return withApplication(argc, argv, [&] { return runCheck(argv[2], runs); });
    }
    if (is(argv[1], "startup") && argc == 3) {
        return runStartup(wholeNumberArgument(argv[2], 1, 1000), argv[0]);
    }
    if (is(argv[1], "pacing") && (argc == 4 || argc == 5)) {
        // A stopped train asks for no steps: the idle run measures that.
        const int throttle = wholeNumberArgument(argv[2], kThrottleMin + 1, kThrottleMax);
        const int seconds = wholeNumberArgument(argv[3], 1, 3600);
        const int length =
            argc == 5 ? wholeNumberArgument(argv[4], 1, kBodyCapacity) : kBodyCapacity;
        return withApplication(argc, argv, [&] { return runPacing(throttle, seconds, length); });
    }
    if (is(argv[1], "idle") && argc == 3) {
        const int seconds = wholeNumberArgument(argv[2], 1, 3600);
        return withApplication(argc, argv, [&] { return runIdle(seconds); });
    }
    if (is(argv[1], "rate-curve") && argc == 4) {
        const int seconds = wholeNumberArgument(argv[2], 1, 3600);
        return withApplication(argc, argv, [&] { return runRateCurve(seconds, argv[3]); });
    }
    return usage();
}
