#pragma once

#include "sim/DriveInput.h"
#include "sim/RunState.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A drive: the state a run started in, every input with its time in milliseconds from the
// start, each stall that dropped steps, and the state the run ended in with its digest. A run
// depends only on these, so playing the inputs at their times from the same start reaches the
// same end. As text it is one line an entry, written as the run goes:
//
//   varnok drive 1
//   0 state trains=1 controlled=0 track=16777215 key=0
//   0 train 0 head=501 next=0 start=0 end=0 length=5 color=3 ... ctrl=1 body=
//   1250 key 38                     (Up held)
//   1250 digest 09f2c4d1e0b3a587    (the run as it stands after the input)
//   2300 key 0                      (let go)
//   ...
//   61200 state ...                 (at Quit: the end state, then every cell's colour)
//   61200 cells 16777215 65535 ...
//   61200 end 5c0f1e2d3a4b6978

inline constexpr int kDriveFormat = 1;
// A check runs as long as the drive does: a drive of more than a month is no drive.
inline constexpr std::int64_t kLatestDriveTime = 31LL * 24 * 3600 * 1000; // ms

// A catch-up after a stall that dropped part of the backlog: the run was last caught up at
// `since`, and then not again until the entry's time.
struct DriveStall {
    std::int64_t since = 0;
    bool operator==(const DriveStall&) const = default;
};

// The digest of the run as it stood after the inputs at the entry's time: where a played run
// first departs from its drive.
struct DriveCheckpoint {
    std::uint64_t digest = 0;
    bool operator==(const DriveCheckpoint&) const = default;
};

struct DriveEntry {
    std::int64_t time = 0; // ms
    std::variant<DriveInput, DriveStall, DriveCheckpoint> what;
    bool operator==(const DriveEntry&) const = default;
};

struct DriveEnd {
    std::int64_t time = 0; // ms
    RunState run;
    std::uint64_t digest = 0;
};

struct Drive {
    SharedState start; // the palette and the route table as a start leaves them
    std::vector<DriveEntry> entries;
    // None when the recording ended without a Quit.
    std::optional<DriveEnd> end;
};

// Why a text is not a drive that can be played: the line, from 1, what is wrong with it and
// the values that show it, for the reporter to put into words.
struct DriveFault {
    enum class What {
        NotADrive,            // the first line is not "varnok drive N"
        UnknownFormat,        // text: the format the drive gives
        EndsEarly,            // name: the verb of the line that the drive lacks
        NoTimeOrVerb,         //
        NotWholeNumber,       // value, name when a field; text
        NotWithin,            // value, name when a field; number, low..high
        NotNamed,             // name: the value's name; text: the word found
        WordCount,            // low: the words a line of the verb has; number: those found
        TimeGoesBack,         // number: the time; low: the time before it
        NotTheLineDue,        // name: the verb of the line due; number: its time
        KeyHeldAtStart,       //
        TrainStartsAmiss,     // number: the train
        NotTheTrainDue,       // number: the train due
        BodyTooLong,          //
        NoSuchCell,           // number: the cell
        IntervalNotThrottles, // number: the interval
        UnknownEntry,         // text: the verb
        DigestNotHex,         // text: the digest
        FollowsTheEnd,        //
        WrongEndDigest,       // text: the digest
    };
    // What a number is that is not one or out of its range: a field is named in the drive's
    // own word.
    enum class Value { Time, StallStart, Train, KeyCode, ShiftState, Cell, Colour, Field };

    int line = 0;
    What what = What::NotADrive;
    Value value = Value::Field;
    std::string name{}; // a word of the program's
    std::string text{}; // a word of the file's, as it stands there
    std::int64_t number = 0;
    std::int64_t low = 0;
    std::int64_t high = 0;
};

// Reads a drive. Every value is checked against what the trains rely on, so that whatever
// the text holds, playing it cannot break a rule of the trains.
std::variant<Drive, DriveFault> readDrive(std::string_view text);

// The lines of a drive, each ending in a line feed: the first line with the start state, an
// entry, and the end.
std::string driveStartText(const SharedState& start);
std::string driveEntryText(const DriveEntry& entry);
std::string driveEndText(std::int64_t time, const RunState& run);
