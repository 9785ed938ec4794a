#include "NotSettingsFiles.h"
#include "ScratchSettings.h"
#include "app/Startup.h"
#include "sim/SharedState.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/Windows.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Quit ends the process, so each of these tests quits in a child process of its own and then
// reads the settings file that the child left.

namespace {

using Values = QMap<QString, QString>;

class QuitTest : public testing::Test {
protected:
    QuitTest() {
        testing::internal::CaptureStderr();
        Main();
        startUpWarnings = testing::internal::GetCapturedStderr();
    }

    ~QuitTest() override {
        unloadWindows();
        programState() = SharedState{};
    }

    static void clickQuit() {
        QTest::mouseClick(frmTrackMap().findChild<QPushButton*>(QStringLiteral("cmdQuit")),
                          Qt::LeftButton);
    }

    // The eleven values that a Quit right after start-up on an empty store writes.
    static Values defaultValues() {
        return {{"Globals/TrainCount", "1"},     {"frmOverview/Left", "1000"},
                {"frmOverview/Top", "7950"},     {"frmTrackMap/Left", "1000"},
                {"frmTrackMap/Top", "1110"},     {"frmTrainControl/Left", "1000"},
                {"frmTrainControl/Top", "5650"}, {"frmTrainControl/Height", "1360"},
                {"Globals/TrainColor0", "3"},    {"Globals/TrainColor1", "4"},
                {"Globals/TrainColor2", "5"}};
    }

    ScratchSettings settings;
    std::string startUpWarnings;
};

TEST_F(QuitTest, QuitOnAnEmptyStoreWritesExactlyTheElevenValues) {
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, QuitWritesTheStateAndThePlacesAsTheyStand) {
    programState().TrainCount = 3;
    programState().TrainData[0].ColorIndex = 26;
    programState().TrainData[1].ColorIndex = 0;
    programState().TrainData[1].Length = 12; // not kept
    frmTrackMap().move(200, 100);
    frmOverview().show();
    frmOverview().move(10, 20);
    frmOverview().close();
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");

    Values expected = defaultValues();
    expected["Globals/TrainCount"] = "3";
    expected["Globals/TrainColor0"] = "26";
    expected["Globals/TrainColor1"] = "0";
    expected["frmTrackMap/Left"] = "3000";
    expected["frmTrackMap/Top"] = "1500";
    expected["frmOverview/Left"] = "150";
    expected["frmOverview/Top"] = "300";
    EXPECT_EQ(settings.fileValues(), expected);
}

TEST(QuitWithStoredPlaces, UntouchedPlacesAreWrittenBackAsTheyWereRead) {
    ScratchSettings settings;
    settings.writeFile(
        "[frmTrackMap]\nLeft=1007.5\nTop=2e3\n[frmOverview]\nLeft=2000\nTop=300\n"
        "[frmTrainControl]\nHeight=2560\n[Globals]\nTrainCount=3\nTrainLength0=7\nSpeed1=40\n");
    Main();
    EXPECT_EXIT(frmTrackMap().close(), testing::ExitedWithCode(0), "");
    unloadWindows();
    programState() = SharedState{};

    const Values values = settings.fileValues();
    EXPECT_EQ(values["frmTrackMap/Left"], "1007.5");
    EXPECT_EQ(values["frmTrackMap/Top"], "2000");
    // The overview was never opened: its stored place goes back unchanged.
    EXPECT_EQ(values["frmOverview/Left"], "2000");
    EXPECT_EQ(values["frmOverview/Top"], "300");
    EXPECT_EQ(values["frmTrainControl/Height"], "2560");
    // Keys that Quit does not write stay as they were.
    EXPECT_EQ(values["Globals/TrainLength0"], "7");
    EXPECT_EQ(values["Globals/Speed1"], "40");
    EXPECT_EQ(values.size(), 13);
}

TEST_F(QuitTest, ClosingTheTrackMapQuits) {
    EXPECT_EXIT(frmTrackMap().close(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, ClosingTheTrainControlWindowQuits) {
    EXPECT_EXIT(frmTrainControl().close(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, ClosingTheOverviewOnlyHidesIt) {
    frmOverview().show();
    OverviewWindow* overview = &frmOverview();
    EXPECT_TRUE(overview->close());
    EXPECT_FALSE(overview->isVisible());
    EXPECT_EQ(&frmOverview(), overview);
    EXPECT_TRUE(frmTrackMap().isVisible());
}

TEST_F(QuitTest, AFailedWriteIsReportedWithAFailingStatus) {
    // A folder where the file should go cannot be replaced by a file, even by root.
    QDir().mkpath(settings.filePath());
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(1),
                "could not save the settings to .*Varnok/Varnok\\.conf");
}

TEST_F(QuitTest, ASettingsFolderThatCannotBeMadeIsReportedWithAFailingStatus) {
    // No folder can be made under /proc, not even by root.
    useConfigFolder(QStringLiteral("/proc/varnok-settings"));
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(1),
                "could not save the settings to /proc/varnok-settings/Varnok/Varnok\\.conf");
}

} // namespace

namespace {

// Quit over a file that start-up would not read: nothing of it is lost, and Quit says so.
TEST(QuitOverAFileNotRead, LeavesItAsItIsAndFails) {
    for (const NotASettingsFile& c : notSettingsFiles()) {
        ScratchSettings settings;
        settings.writeFile({});
        QFile::remove(settings.filePath());
        c.make(settings.filePath());
        const QFileInfo before(settings.filePath());
        testing::internal::CaptureStderr();
        Main();
        EXPECT_THAT(testing::internal::GetCapturedStderr(), testing::HasSubstr(c.said)) << c.what;
        EXPECT_EXIT(
            QTest::mouseClick(frmTrackMap().findChild<QPushButton*>(QStringLiteral("cmdQuit")),
                              Qt::LeftButton),
            testing::ExitedWithCode(1), c.said)
            << c.what;
        const QFileInfo after(settings.filePath());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget()) << c.what;
        EXPECT_EQ(after.size(), before.size()) << c.what;
        EXPECT_EQ(after.lastModified(), before.lastModified()) << c.what;
        unloadWindows();
        programState() = SharedState{};
    }
}

} // namespace
