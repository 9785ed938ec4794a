#include "FuzzCheck.h"
#include "sim/Drive.h"
#include "ui/DrivePlayer.h"
#include "ui/DriveReport.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

// The drive reader on any text at all: it never stops; a fault names a line of the text and
// is one line that nothing in it can act on; a drive it reads is written back as the same
// drive; and a short one plays to its end without breaking a rule of the trains.

namespace {

// Checked runs go on as long as the drive does: only a short one is played.
constexpr std::int64_t kLongestPlayed = 3000; // ms

std::string rewritten(const Drive& drive) {
    std::string text = driveStartText(drive.start);
    for (const DriveEntry& entry : drive.entries) {
        text += driveEntryText(entry);
    }
    if (drive.end) {
        text += driveEndText(drive.end->time, drive.end->run);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The driver's timer wants an application, though the check never runs its loop.
    static int argc = 1;
    static char name[] = "fuzz_drive";
    static char* argv[] = {name, nullptr};
    static const QCoreApplication application(argc, argv);

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto read = readDrive(text);
    if (const auto* fault = std::get_if<DriveFault>(&read)) {
        const auto lines = std::count(text.begin(), text.end(), '\n');
        require(fault->line >= 1 && fault->line <= lines + 2,
                "a fault on line " + std::to_string(fault->line) + " of " +
                    std::to_string(lines + 1));
        const std::string said = sentenceOf(*fault).toStdString();
        require(std::none_of(said.begin(), said.end(),
                             [](char c) { return (c >= 0 && c < 0x20) || c == 0x7F; }),
                "a fault holds a control character: " + said);
        return 0;
    }
    const Drive& drive = std::get<Drive>(read);
    const auto again = readDrive(rewritten(drive));
    require(std::holds_alternative<Drive>(again), "a drive read does not read back as written");
    const Drive& reread = std::get<Drive>(again);
    require(reread.start.TrainData == drive.start.TrainData && reread.entries == drive.entries &&
                reread.end.has_value() == drive.end.has_value() &&
                (!drive.end || reread.end->digest == drive.end->digest),
            "a drive read back differs from the drive written");
    const std::int64_t last = drive.end               ? drive.end->time
                              : drive.entries.empty() ? 0
                                                      : drive.entries.back().time;
    if (last <= kLongestPlayed) {
        checkDrive(drive);
    }
    return 0;
}
