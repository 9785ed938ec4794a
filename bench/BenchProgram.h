#pragma once

#include "base/Clock.h"

#include <QByteArray>
#include <QObject>
#include <QTemporaryDir>

#include <array>
#include <cstdint>
#include <memory>

class Program;

// Nanoseconds of the steady clock that every process on the machine shares.
std::int64_t steadyNanoseconds();

// What the process has used so far: processor time in user and system mode, and the most
// memory it has held resident.
struct ProcessUsage {
    double cpuSeconds = 0;
    double peakResidentMegabytes = 0;
};
ProcessUsage processUsage();

// Runs the event loop for `milliseconds`, as the program's own loop would.
void runEventLoopFor(int milliseconds);

// A whole number from the command line, or a message and the end of the run.
int wholeNumberArgument(const char* text, int lowest, int highest);

// The real program as a start leaves it, on a settings folder of its own that holds
// `settings`, so no benchmark reads or writes the user's store. Its windows go with it.
class BenchProgram {
public:
    explicit BenchProgram(const QByteArray& settings);
    ~BenchProgram();
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    Program& program() { return *m_program; }
    // Brings the trains up to now, as any reader of them does first, and gives that time.
    std::int64_t catchUp();
    // Opens the overview as its button does.
    void openOverview();
    // Moves the first `trains` throttles to `value`, as the user would.
    void setThrottles(int trains, int value);

private:
    QTemporaryDir m_folder;
    SteadyClock m_clock;
    std::unique_ptr<Program> m_program;
};

// The steps one train takes, and when its first and last fell due.
class StepCounter final : public QObject {
public:
    StepCounter(BenchProgram& program, int train);

    std::int64_t steps = 0;
    std::int64_t firstStepAt = 0;
    std::int64_t lastStepAt = 0;

    void reset() { steps = firstStepAt = lastStepAt = 0; }
};

// The paints of the track view.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(BenchProgram& program);
    std::int64_t paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
