#include "CheckBench.h"

#include "BenchProgram.h"
#include "app/DriveFile.h"
#include "ui/DrivePlayer.h"
#include "ui/DriveReport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int runCheck(const char* drive, int runs) {
    std::vector<double> seconds;
    for (int run = 0; run < runs; ++run) {
        const std::int64_t start = steadyNanoseconds();
        const auto read = readDriveFile(drive);
        if (const auto* fault = std::get_if<std::string>(&read)) {
            std::fprintf(stderr, "%s\n", fault->c_str());
            return EXIT_FAILURE;
        }
        const DriveVerdict verdict = checkDrive(std::get<Drive>(read));
        seconds.push_back(double(steadyNanoseconds() - start) / 1e9);
        if (verdict.outcome != DriveVerdict::Outcome::Reached) {
            std::fprintf(stderr, "%s\n", verdictText(verdict).c_str());
            return EXIT_FAILURE;
        }
    }
    std::sort(seconds.begin(), seconds.end());
    std::printf("check %s: %d runs, fastest %.3f s, median %.3f s, slowest %.3f s\n", drive, runs,
                seconds.front(), seconds[seconds.size() / 2], seconds.back());
    return EXIT_SUCCESS;
}
