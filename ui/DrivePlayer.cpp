#include "ui/DrivePlayer.h"

#include "base/Clock.h"
#include "sim/StepClock.h"
#include "track/TrackCells.h"
#include "ui/TrainDriver.h"
#include "ui/TrainModel.h"

#include <algorithm>
#include <utility>

namespace {

constexpr std::int64_t nanoseconds(std::int64_t milliseconds) {
    return milliseconds * kNanosecondsPerMillisecond;
}

// Caught up at least this often, no train and no poll piles up more due events than one
// catch-up takes: with every time in whole milliseconds, a train at the shortest interval has
// 99 due. So the run drops nothing that its recording did not.
constexpr std::int64_t kKeepUp = StepClock::kMaxStepsPerTick - 1; // ms

// The time to which the run goes before `entry` is taken: its own, or for a stall the time it
// was last caught up before it, as the recording was.
std::int64_t heldUntil(const DriveEntry& entry) {
    const auto* stall = std::get_if<DriveStall>(&entry.what);
    return stall != nullptr ? stall->since : entry.time;
}

// An input at its time; a stall's catch-up drops what the recording's dropped; a checkpoint
// that the run does not reach is where it departs from its drive, unless it did before.
void take(TrainModel& model, const TrackCells& cells, const DriveEntry& entry,
          std::optional<std::int64_t>& departed) {
    if (const auto* input = std::get_if<DriveInput>(&entry.what)) {
        model.take(*input);
        return;
    }
    model.catchUp();
    const auto* checkpoint = std::get_if<DriveCheckpoint>(&entry.what);
    if (checkpoint != nullptr && !departed &&
        runDigest(runStateOf(model.state(), cells)) != checkpoint->digest) {
        departed = entry.time;
    }
}

DriveVerdict verdictOf(const Drive& drive, const RunState& run,
                       std::optional<std::int64_t> departed) {
    const std::uint64_t digest = runDigest(run);
    if (!drive.end) {
        return {departed ? DriveVerdict::Outcome::Differs : DriveVerdict::Outcome::NoEnd,
                drive.entries.empty() ? 0 : drive.entries.back().time,
                departed,
                {},
                digest};
    }
    if (digest == drive.end->digest && !departed) {
        return {DriveVerdict::Outcome::Reached, drive.end->time, departed, {}, digest};
    }
    return {DriveVerdict::Outcome::Differs, drive.end->time, departed,
            firstDifference(drive.end->run, run), digest};
}

} // namespace

DriveVerdict checkDrive(const Drive& drive) {
    HandSetClock clock;
    TrainModel model(drive.start);
    TrackCells cells;
    TrainDriver driver(model, cells, clock);
    std::optional<std::int64_t> departed;
    const auto runTo = [&](std::int64_t time) {
        while (clock.now() < nanoseconds(time)) {
            clock.set(std::min(nanoseconds(time), clock.now() + nanoseconds(kKeepUp)));
            model.catchUp();
        }
    };
    for (const DriveEntry& entry : drive.entries) {
        runTo(heldUntil(entry));
        clock.set(nanoseconds(entry.time));
        take(model, cells, entry, departed);
    }
    if (drive.end) {
        runTo(drive.end->time);
        model.catchUp();
    }
    return verdictOf(drive, runStateOf(model.state(), cells), departed);
}

DrivePlayer::DrivePlayer(Drive drive, TrainModel& model, const TrackCells& cells, HeldClock& clock)
    : m_drive(std::move(drive)), m_model(model), m_cells(cells), m_clock(clock) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &DrivePlayer::takeDue);
    connect(&m_keepUp, &QTimer::timeout, &m_model, &TrainModel::catchUp);
}

void DrivePlayer::start() {
    m_model.setUserDrives(false);
    m_keepUp.start(int(kKeepUp / 2));
    armNext();
}

std::int64_t DrivePlayer::dueAt() const {
    if (m_next < m_drive.entries.size()) {
        return m_drive.entries[m_next].time;
    }
    // With no recorded end, the drive ends at its last input.
    return m_drive.end               ? m_drive.end->time
           : m_drive.entries.empty() ? 0
                                     : m_drive.entries.back().time;
}

void DrivePlayer::armNext() {
    m_clock.holdAt(nanoseconds(m_next < m_drive.entries.size() ? heldUntil(m_drive.entries[m_next])
                                                               : dueAt()));
    const std::int64_t wait = nanoseconds(dueAt()) - m_clock.sourceNow();
    m_timer.start(int(std::clamp<std::int64_t>(
        (wait + kNanosecondsPerMillisecond - 1) / kNanosecondsPerMillisecond, 0, kKeepUp)));
}

void DrivePlayer::takeDue() {
    const std::int64_t due = nanoseconds(dueAt());
    if (m_clock.sourceNow() < due) {
        armNext();
        return;
    }
    m_clock.holdAt(due);
    if (m_next < m_drive.entries.size()) {
        take(m_model, m_cells, m_drive.entries[m_next], m_departed);
        ++m_next;
        armNext();
        return;
    }
    m_model.catchUp();
    const DriveVerdict verdict =
        verdictOf(m_drive, runStateOf(m_model.state(), m_cells), m_departed);
    m_keepUp.stop();
    m_clock.release();
    m_model.setUserDrives(true);
    emit ended(verdict);
}
