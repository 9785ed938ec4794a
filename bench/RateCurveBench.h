#pragma once

// One train at each throttle 0, 5, ..., 100 for at least `secondsPerPoint`: the steps a second
// asked for and done, written to `csvPath` and shown on standard output.
int runRateCurve(int secondsPerPoint, const char* csvPath);
