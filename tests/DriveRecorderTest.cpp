#include "app/DriveRecorder.h"

#include "PassingTime.h"
#include "SmallDisk.h"
#include "sim/Palette.h"
#include "sim/TrainControls.h"
#include "track/TrackCells.h"
#include "ui/DrivePlayer.h"
#include "ui/DriveReport.h"
#include "ui/TrainModel.h"

#include <QFile>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using testing::HasSubstr;

// A run as start-up leaves it with three trains, recorded to `path` on a clock set by hand.
class RecordedRun {
public:
    explicit RecordedRun(const QString& path) {
        auto made = DriveRecorder::create(QFile::encodeName(path).toStdString(), {});
        m_recorder = std::move(std::get<std::unique_ptr<DriveRecorder>>(made));
        m_recorder->follow(model, driver, cells);
    }

    void passTime(std::int64_t milliseconds) { ::passTime(clock, driver, ms(milliseconds)); }
    void finish() {
        model.catchUp();
        m_recorder->finish(driver.time(), runStateOf(model.state(), cells));
    }

    static SharedState start() {
        SharedState state;
        state.TrainCount = 3;
        state.TrackColor = kWhite;
        state.Palette = BuildPalette();
        for (int i = 0; i < kTrainSlots; ++i) {
            trainAt(state, i).HeadPos = kFirstNode + i;
            trainAt(state, i).Length = 5 + 200 * i;
        }
        return state;
    }

    HandSetClock clock;
    TrainModel model{start()};
    TrackCells cells;
    TrainDriver driver{model, cells, clock};

private:
    std::unique_ptr<DriveRecorder> m_recorder;
};

Drive readBack(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    auto read = readDrive(file.readAll().toStdString());
    EXPECT_TRUE(std::holds_alternative<Drive>(read))
        << sentenceOf(std::get<DriveFault>(read)).toStdString();
    return std::get<Drive>(std::move(read));
}

// Every input the model takes, and a stall that drops steps and polls with a key held through
// it: the drive checks to the end the run reached.
TEST(DriveRecorderTest, ARecordedRunChecksToTheEndItReached) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("run.drive"));
    {
        RecordedRun run(path);
        run.model.setThrottle(0, kThrottleMax);
        run.model.setThrottle(2, 40);
        run.passTime(750);
        run.model.setHeldKey(kKeyLeft);
        run.passTime(2100);
        run.model.setHeldKey(kKeyCtrl);
        run.passTime(450);
        run.model.selectNextColor(1);
        run.model.pressLength(2, kShiftHeld);
        run.model.pressTrainCount(kShiftHeld);
        run.model.setHeldKey(kKeyUp);
        run.clock.advance(ms(12'000));
        run.model.setHeldKey(kNoKey);
        run.passTime(3000);
        run.finish();
    }
    const Drive drive = readBack(path);
    const auto count = [&drive]<typename Kind>(Kind) {
        return std::count_if(drive.entries.begin(), drive.entries.end(), [](const DriveEntry& e) {
            return std::holds_alternative<Kind>(e.what);
        });
    };
    EXPECT_EQ(count(DriveInput{}), 9);
    EXPECT_EQ(count(DriveCheckpoint{}), 9);
    EXPECT_EQ(count(DriveStall{}), 1);
    const DriveVerdict verdict = checkDrive(drive);
    EXPECT_EQ(verdict.outcome, DriveVerdict::Outcome::Reached) << verdictText(verdict);
}

// A drive is never recorded over the settings, even through a link.
TEST(DriveRecorderTest, IsNotMadeOverTheSettingsFile) {
    QTemporaryDir folder;
    const std::string settings = folder.filePath(QStringLiteral("Varnok.conf")).toStdString();
    const QString link = folder.filePath(QStringLiteral("link.drive"));
    QFile(QString::fromStdString(settings)).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(QString::fromStdString(settings), link));
    const auto made = DriveRecorder::create(QFile::encodeName(link).toStdString(), settings);
    ASSERT_TRUE(std::holds_alternative<std::string>(made));
    EXPECT_THAT(std::get<std::string>(made), testing::EndsWith(": it is the settings file"));
}

// While a drive plays, the user's calls change nothing and the drive's inputs do.
TEST(DriveRecorderTest, TheUserDoesNotDriveWhileADrivePlays) {
    TrainModel model(RecordedRun::start());
    model.setUserDrives(false);
    model.setHeldKey(kKeyUp);
    model.setThrottle(0, 50);
    model.pressTrainCount(0);
    EXPECT_EQ(model.state().KeyDownCode, kNoKey);
    EXPECT_EQ(trainAt(model.state(), 0).Throttle, kThrottleStart);
    EXPECT_EQ(model.state().TrainCount, 3);
    model.take({DriveInput::Kind::Throttle, 0, 50});
    EXPECT_EQ(trainAt(model.state(), 0).Throttle, 50);
}

// A disk that fills up: said once, and the drive keeps every whole line written before.
TEST(DriveRecorderTest, AFullDiskEndsTheRecordingAtItsLastWholeLine) {
    SmallDisk disk(64);
    if (disk.whyNot()) {
        GTEST_SKIP() << *disk.whyNot();
    }
    disk.fillLeaving(4);
    const QString path = disk.path() + QStringLiteral("/run.drive");
    testing::internal::CaptureStderr();
    {
        RecordedRun run(path);
        for (int k = 0; k < 1000; ++k) {
            run.model.setHeldKey(k % 2 == 0 ? kKeyRight : kNoKey);
            run.passTime(1);
        }
        run.finish();
    }
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_THAT(errors, HasSubstr("No space left on device"));
    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    const Drive drive = readBack(path);
    EXPECT_FALSE(drive.end);
    EXPECT_GT(drive.entries.size(), 100);
    EXPECT_LT(drive.entries.size(), 1000);
}

} // namespace
