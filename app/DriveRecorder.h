#pragma once

#include "sim/Drive.h"

#include <QObject>

#include <cstdint>
#include <memory>
#include <string>
#include <sys/types.h>
#include <variant>

class TrackCells;
class TrainDriver;
class TrainModel;

// Writes a drive of the run as it goes, one line an entry, each handed to the system as it
// happens: a crash or a kill keeps every input up to the last. A write that fails is said once
// on standard error; the lines written before stay a drive that can be played, and the run
// goes on without the rest.
class DriveRecorder final : public QObject {
public:
    // Makes the regular file at `path`, or says in one line why it cannot be made. The file at
    // `settingsPath`, however reached, is never made over.
    static std::variant<std::unique_ptr<DriveRecorder>, std::string>
    create(const std::string& path, const std::string& settingsPath);
    ~DriveRecorder() override;
    DriveRecorder(const DriveRecorder&) = delete;
    DriveRecorder& operator=(const DriveRecorder&) = delete;

    // Writes the start of `model`'s run, and from now on each input it takes and each stall
    // of `driver` that drops steps or polls.
    // Each input is followed by the digest of the run it leaves, over `cells`.
    void follow(const TrainModel& model, const TrainDriver& driver, const TrackCells& cells);
    // Writes the end: `run` as it stands at `time` (ns on the driver's clock), and its digest.
    void finish(std::int64_t time, const RunState& run);

private:
    DriveRecorder(int descriptor, std::string path);
    void write(const std::string& lines);

    int m_descriptor;
    std::string m_path;
    off_t m_kept = 0;      // bytes of whole lines written
    bool m_failed = false; // or ended: nothing more is written
};
