#include "sim/Drive.h"

#include "sim/Palette.h"
#include "track/TrackCells.h"
#include "ui/DriveReport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

SharedState startState() {
    SharedState start;
    start.TrainCount = 2;
    start.ControlledTrain = 1;
    start.TrackColor = 0x123456;
    start.Palette = BuildPalette();
    for (int i = 0; i < kTrainSlots; ++i) {
        TrainRecord& train = trainAt(start, i);
        train.HeadPos = kFirstNode + i;
        train.Length = i * 250;
        train.ColorIndex = 26 - i;
        train.Speed = -7 + i;
        train.Ctrl = i == 1;
    }
    return start;
}

// A run part of the way: a long train on its run, bodies with empty slots, painted cells.
RunState runState() {
    RunState run{startState(), {}};
    TrainRecord& train = trainAt(run.state, 2);
    train = {57, 502, 24, 68, 501, false, {}, 5, 3, 100, 1};
    train.Body.fill(57);
    train.Body[500] = 0;
    trainAt(run.state, 0).Body[0] = 501;
    run.state.KeyDownCode = kKeyLeft;
    for (std::size_t slot = 0; slot < run.cells.size(); ++slot) {
        run.cells[slot] = Color(slot * 1000);
    }
    return run;
}

TEST(DriveTest, ReadsBackWhatItWritesWhateverItsLineEnds) {
    const SharedState start = startState();
    const std::vector<DriveEntry> entries = {
        {0, DriveInput{DriveInput::Kind::Key, 0, kKeyUp}},
        {0, DriveCheckpoint{0x0123456789abcdef}},
        {5, DriveInput{DriveInput::Kind::Throttle, 2, 100}},
        {5, DriveInput{DriveInput::Kind::Color, 1, 0}},
        {9, DriveInput{DriveInput::Kind::Length, 0, 1}},
        {12, DriveInput{DriveInput::Kind::TrainCount, 0, 1}},
        {300, DriveStall{12}},
        {300, DriveInput{DriveInput::Kind::Key, 0, 0}},
    };
    const RunState end = runState();
    std::string text = driveStartText(start);
    for (const DriveEntry& entry : entries) {
        text += driveEntryText(entry);
    }
    text += driveEndText(400, end);
    std::string crlf;
    for (const char c : text) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }

    for (const std::string& written : {text, crlf, "# a comment\n\n" + text}) {
        const auto read = readDrive(written);
        ASSERT_TRUE(std::holds_alternative<Drive>(read))
            << sentenceOf(std::get<DriveFault>(read)).toStdString();
        const Drive& drive = std::get<Drive>(read);
        EXPECT_EQ(drive.start.TrainData, start.TrainData);
        EXPECT_EQ(drive.start.Palette, start.Palette);
        EXPECT_EQ(drive.start.TrainCount, 2);
        EXPECT_EQ(drive.start.ControlledTrain, 1);
        EXPECT_EQ(drive.start.TrackColor, 0x123456);
        EXPECT_EQ(drive.entries, entries);
        ASSERT_TRUE(drive.end);
        EXPECT_EQ(drive.end->time, 400);
        EXPECT_EQ(drive.end->digest, runDigest(end));
        EXPECT_EQ(firstDifference(drive.end->run, end), std::nullopt);
    }
}

TEST(DriveTest, NamesTheFirstValueInWhichARunDiffers) {
    struct Case {
        std::function<void(RunState&)> change;
        std::optional<std::string> said;
    };
    const std::string firstCell = std::to_string(TrackSeg[0].index);
    const std::vector<Case> cases = {
        {[](RunState&) {}, std::nullopt},
        {[](RunState& run) { run.state.TrainCount = 3; },
         "the number of trains is 3 where the drive has 2"},
        {[](RunState& run) { trainAt(run.state, 2).Body[500] = 58; },
         "train 2's body cell 500 is 58 where the drive has 0"},
        {[](RunState& run) {
             run.cells[0] = kWhite;
             trainAt(run.state, 1).Ctrl = false;
         },
         "train 1's ctrl is 0 where the drive has 1"},
        {[](RunState& run) { run.cells[0] = kWhite; },
         "the colour of cell " + firstCell + " is 16777215 where the drive has 0"},
    };
    const RunState drive = runState();
    for (const Case& c : cases) {
        RunState run = drive;
        c.change(run);
        const auto difference = firstDifference(drive, run);
        EXPECT_EQ(difference ? std::optional(sentenceOf(*difference).toStdString()) : std::nullopt,
                  c.said);
        EXPECT_EQ(runDigest(run) == runDigest(drive), !c.said) << c.said.value_or("");
    }
}

} // namespace
