#include "NotSettingsFiles.h"
#include "StartedProgram.h"

#include <QFileInfo>
#include <QPushButton>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

// Quit ends the process, so each of these tests quits in a child process of its own and then
// reads the settings file that the child left.

namespace {

using Values = QMap<QString, QString>;

class QuitTest : public StartedProgram {
protected:
    // The eleven values that a Quit right after start-up on an empty store writes.
    static Values defaultValues() {
        return {{"Globals/TrainCount", "1"},     {"frmOverview/Left", "1000"},
                {"frmOverview/Top", "7950"},     {"frmTrackMap/Left", "1000"},
                {"frmTrackMap/Top", "1110"},     {"frmTrainControl/Left", "1000"},
                {"frmTrainControl/Top", "5650"}, {"frmTrainControl/Height", "1360"},
                {"Globals/TrainColor0", "3"},    {"Globals/TrainColor1", "4"},
                {"Globals/TrainColor2", "5"}};
    }
};

TEST_F(QuitTest, QuitOnAnEmptyStoreWritesExactlyTheElevenValues) {
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, QuitWritesTheStateAndThePlacesAsTheyStand) {
    model().pressTrainCount(0);
    model().pressTrainCount(0);
    for (int k = 0; k < 23; ++k) {
        model().selectNextColor(0); // 3 to 26
        model().selectNextColor(1); // 4 round to 0
    }
    model().pressLength(1, 0); // not kept
    trackMap().move(200, 100);
    overview().move(10, 20);
    overview().close();
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");

    Values expected = defaultValues();
    expected["Globals/TrainCount"] = "3";
    expected["frmTrainControl/Height"] = "2560";
    expected["Globals/TrainColor0"] = "26";
    expected["Globals/TrainColor1"] = "0";
    expected["frmTrackMap/Left"] = "3000";
    expected["frmTrackMap/Top"] = "1500";
    expected["frmOverview/Left"] = "150";
    expected["frmOverview/Top"] = "300";
    EXPECT_EQ(settings.fileValues(), expected);
}

TEST_F(QuitTest, UntouchedPlacesAreWrittenBackAsTheyWereRead) {
    restartWith(
        "[frmTrackMap]\nLeft=1007.5\nTop=2e3\n[frmOverview]\nLeft=2000\nTop=300\n"
        "[frmTrainControl]\nHeight=2560\n[Globals]\nTrainCount=3\nTrainLength0=7\nSpeed1=40\n");
    EXPECT_EXIT(trackMap().close(), testing::ExitedWithCode(0), "");

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

TEST_F(QuitTest, AnOverviewNeverOpenedWritesItsPlaceAsTheFileHoldsItAtQuit) {
    restartWith("[frmOverview]\nLeft=2000\nTop=300\n");
    settings.editFile("[frmOverview]\nLeft=600\nTop=1200\n");
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues()["frmOverview/Left"], "600");
    EXPECT_EQ(settings.fileValues()["frmOverview/Top"], "1200");
}

TEST_F(QuitTest, ClosingTheTrackMapQuits) {
    EXPECT_EXIT(trackMap().close(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, ClosingTheTrainControlWindowQuits) {
    EXPECT_EXIT(trainControl().close(), testing::ExitedWithCode(0), "");
    EXPECT_EQ(settings.fileValues(), defaultValues());
}

TEST_F(QuitTest, ClosingTheOverviewOnlyHidesIt) {
    OverviewWindow* window = &overview();
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(program().overview(), window);
    EXPECT_TRUE(trackMap().isVisible());
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
    restart();
    EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(1),
                "could not save the settings to \"/proc/varnok-settings/Varnok/Varnok\\.conf\"");
}

} // namespace

namespace {

// Quit over a file that start-up would not read: nothing of it is lost, and Quit says so.
TEST_F(QuitTest, OverAFileNotReadLeavesItAsItIsAndFails) {
    for (const NotASettingsFile& c : notSettingsFiles()) {
        settings.writeFile({});
        QFile::remove(settings.filePath());
        c.make(settings.filePath());
        const QFileInfo before(settings.filePath());
        restart();
        EXPECT_THAT(startUpWarnings, testing::HasSubstr(c.said)) << c.what;
        EXPECT_EXIT(clickQuit(), testing::ExitedWithCode(1), c.said) << c.what;
        const QFileInfo after(settings.filePath());
        EXPECT_EQ(after.symLinkTarget(), before.symLinkTarget()) << c.what;
        EXPECT_EQ(after.size(), before.size()) << c.what;
        EXPECT_EQ(after.lastModified(), before.lastModified()) << c.what;
    }
}

} // namespace
