#pragma once

#include "sim/Drive.h"

#include <QObject>
#include <QTimer>

#include <cstddef>
#include <cstdint>
#include <optional>

class HeldClock;
class TrackCells;
class TrainModel;

// How a played drive ended: at its recorded end state, or elsewhere, or at its last input
// when it has no recorded end.
struct DriveVerdict {
    enum class Outcome { Reached, Differs, NoEnd };
    Outcome outcome = Outcome::NoEnd;
    std::int64_t time = 0;                   // ms
    std::optional<std::int64_t> departed;    // ms: the first checkpoint that the run missed
    std::optional<RunDifference> difference; // the first at `time`, when it differs
    std::uint64_t digest = 0;                // of the run at `time`
};

// Runs `drive` from its start on a clock set by hand, as fast as the processor allows, and
// compares where it ends with the recorded end.
DriveVerdict checkDrive(const Drive& drive);

// Plays a drive into the model of running windows, each input at its time on `clock`, which
// holds the run at the next input until it is taken. The user does not drive meanwhile; after
// the end, the user drives on from where the drive left the trains.
class DrivePlayer final : public QObject {
    Q_OBJECT

public:
    // `model` stands in the drive's start state, and `clock` is the one its driver reads,
    // held at 0 from before the driver first read it.
    DrivePlayer(Drive drive, TrainModel& model, const TrackCells& cells, HeldClock& clock);

    void start();

signals:
    void ended(const DriveVerdict& verdict);

private:
    std::int64_t dueAt() const;
    void armNext();
    void takeDue();

    Drive m_drive;
    TrainModel& m_model;
    const TrackCells& m_cells;
    HeldClock& m_clock;
    std::size_t m_next = 0;
    std::optional<std::int64_t> m_departed;
    QTimer m_timer;
    QTimer m_keepUp;
};
