#include "ui/Windows.h"

#include "ScratchSettings.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "sim/SharedState.h"
#include "ui/DesignUnits.h"
#include "ui/OverviewWindow.h"
#include "ui/StoredPlace.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrackView.h"
#include "ui/TrainControlWindow.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using testing::HasSubstr;

class WindowsTest : public testing::Test {
protected:
    ~WindowsTest() override {
        unloadWindows();
        programState() = SharedState{};
    }

    // Start-up as the program runs it, returning what it warned about.
    std::string startUp() {
        testing::internal::CaptureStderr();
        Main();
        return testing::internal::GetCapturedStderr();
    }

    static bool overviewLoaded() {
        const auto windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
            return window->objectName() == QStringLiteral("frmOverview");
        });
    }

    static int slotOf(CellIndex n) { return *cellSlot(n); }

    static QColor pixelAt(const QImage& image, QPoint point) { return image.pixelColor(point); }

    // The track map as it shows now: a grab draws every cell from its present colour.
    static QImage trackMapImage() { return frmTrackMap().grab().toImage(); }

    ScratchSettings settings;
};

TEST_F(WindowsTest, AnEmptyStoreOpensBothWindowsAtTheirDefaultPlaces) {
    EXPECT_EQ(startUp(), "");
    TrackMapWindow& trackMap = frmTrackMap();
    TrainControlWindow& trainControl = frmTrainControl();
    EXPECT_TRUE(trackMap.isVisible());
    EXPECT_TRUE(trainControl.isVisible());
    // 1000, 1110 and 1000, 5650 twips at 15 twips a pixel.
    EXPECT_EQ(trackMap.pos(), QPoint(67, 74));
    EXPECT_EQ(trainControl.pos(), QPoint(67, 377));
    EXPECT_EQ(trackMap.size(), QSize(610, 391));
    // Height 1360 less 360 twips of frame: the client area shows train row 0 only.
    EXPECT_EQ(trainControl.size(), QSize(269, 67));
    EXPECT_EQ(trackMap.windowTitle(), QStringLiteral("Track Map"));
    EXPECT_EQ(trainControl.windowTitle(), QStringLiteral("Train Control"));
    EXPECT_FALSE(overviewLoaded());
    EXPECT_EQ(programState().TrainCount, 1);
}

TEST_F(WindowsTest, WindowsOpenWhereTheStoreSays) {
    settings.writeFile("[Globals]\nTrainCount=3\n[frmTrackMap]\nLeft=1500\nTop=300\n"
                       "[frmTrainControl]\nLeft=3000\nTop=4500\nHeight=2560\n[frmOverview]\n"
                       "Left=600\nTop=1200\n");
    EXPECT_EQ(startUp(), "");
    EXPECT_EQ(frmTrackMap().pos(), QPoint(100, 20));
    EXPECT_EQ(frmTrainControl().pos(), QPoint(200, 300));
    EXPECT_EQ(frmTrainControl().height(), 147); // 2200 twips, rounded
    EXPECT_EQ(frmTrainControl().heightTwips(), 2560.0f);
    EXPECT_EQ(frmOverview().pos(), QPoint(40, 80));
}

TEST_F(WindowsTest, AWindowStoredOutsideEveryScreenOpensAtItsDefaultPlace) {
    settings.writeFile("[frmTrackMap]\nLeft=-900000\nTop=1110\n[frmTrainControl]\nLeft=1000\n"
                       "Top=3e30\n");
    const std::string warnings = startUp();
    EXPECT_THAT(warnings, HasSubstr("[frmTrackMap] Left = -900000, Top = 1110"));
    EXPECT_THAT(warnings, HasSubstr("[frmTrainControl] Left = 1000, Top = 3e+30"));
    EXPECT_EQ(frmTrackMap().pos(), QPoint(67, 74));
    EXPECT_EQ(frmTrackMap().leftTwips(), 1000.0f);
    EXPECT_EQ(frmTrainControl().pos(), QPoint(67, 377));
    EXPECT_EQ(frmTrainControl().topTwips(), 5650.0f);
}

TEST_F(WindowsTest, AWindowWithTooLittleOfItsTopOnAScreenOpensAtItsDefaultPlace) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    const QSize trackMap(610, 391);
    struct Case {
        QPoint place;
        bool kept;
    };
    const std::vector<Case> cases = {
        {screen.bottomRight(), false}, // one pixel on the screen
        {screen.topLeft() - QPoint(trackMap.width() - 1, trackMap.height() - 1), false},
        {screen.topLeft() - QPoint(0, 1), false}, // the caption bar's top row off the screen
        {screen.topRight() - QPoint(98, 0), false},
        {screen.bottomRight() - QPoint(99, 29), true}, // the 100 x 30 corner of its top
        {screen.topLeft() - QPoint(trackMap.width() - 100, 0), true},
    };
    for (const Case& c : cases) {
        settings.writeFile(QStringLiteral("[frmTrackMap]\nLeft=%1\nTop=%2\n")
                               .arg(c.place.x() * 15)
                               .arg(c.place.y() * 15)
                               .toUtf8());
        const std::string warnings = startUp();
        EXPECT_EQ(frmTrackMap().pos(), c.kept ? c.place : QPoint(67, 74)) << warnings;
        EXPECT_EQ(warnings.empty(), c.kept) << warnings;
        unloadWindows();
    }
}

TEST_F(WindowsTest, TheHeightAlwaysShowsTheRowsOfTheTrainsInUse) {
    struct Case {
        const char* file;
        float height;
        bool warned;
    };
    const std::vector<Case> cases = {
        {"[frmTrainControl]\nHeight=0\n", 1360, true},
        {"[frmTrainControl]\nHeight=-5\n", 1360, true},
        {"[frmTrainControl]\nHeight=100\n", 1360, true},
        {"[frmTrainControl]\nHeight=3e38\n", 1360, true},
        {"[Globals]\nTrainCount=3\n", 2560, false},
        {"[Globals]\nTrainCount=3\n[frmTrainControl]\nHeight=1360\n", 2560, true},
        {"[Globals]\nTrainCount=2\n[frmTrainControl]\nHeight=1960\n", 1960, false},
    };
    for (const Case& c : cases) {
        settings.writeFile(c.file);
        const std::string warnings = startUp();
        EXPECT_EQ(frmTrainControl().heightTwips(), c.height) << c.file;
        EXPECT_EQ(frmTrainControl().height(), twipsToPixels(c.height - 360)) << c.file;
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), c.warned ? 1 : 0) << warnings;
        // Shift+presses end at one row, however many there were.
        for (int press = 0; press < 3; ++press) {
            QTest::mousePress(&frmTrainControl(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 40));
        }
        EXPECT_EQ(frmTrainControl().heightTwips(), 1360.0f) << c.file;
        unloadWindows();
        programState() = SharedState{};
    }
}

TEST_F(WindowsTest, APlaceTheUserDidNotChangeIsKeptAsRead) {
    settings.writeFile("[frmTrackMap]\nLeft=1007.5\nTop=1111\n");
    startUp();
    EXPECT_EQ(frmTrackMap().leftTwips(), 1007.5f);
    EXPECT_EQ(frmTrackMap().topTwips(), 1111.0f);
    // Moved sideways only: the Top stays the number read.
    frmTrackMap().move(200, frmTrackMap().y());
    EXPECT_EQ(frmTrackMap().leftTwips(), 3000.0f);
    EXPECT_EQ(frmTrackMap().topTwips(), 1111.0f);
}

TEST_F(WindowsTest, TheOverviewLoadsHiddenOnFirstUseAndOnlyOnce) {
    startUp();
    OverviewWindow& overview = frmOverview();
    EXPECT_TRUE(overviewLoaded());
    EXPECT_FALSE(overview.isVisible());
    EXPECT_EQ(overview.pos(), QPoint(67, 530));
    EXPECT_EQ(overview.size(), QSize(440, 157));
    EXPECT_EQ(&frmOverview(), &overview);
}

TEST_F(WindowsTest, TheOverviewButtonShowsTheOverviewAndClosingHidesIt) {
    startUp();
    auto* button = frmTrackMap().findChild<QPushButton*>(QStringLiteral("cmdOverview"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    OverviewWindow& overview = frmOverview();
    EXPECT_TRUE(overview.isVisible());
    EXPECT_EQ(overview.windowTitle(), QStringLiteral("Overview"));
    overview.move(300, 200);
    overview.close();
    EXPECT_FALSE(overview.isVisible());
    EXPECT_EQ(&frmOverview(), &overview);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(overview.isVisible());
    EXPECT_EQ(overview.pos(), QPoint(300, 200));
}

TEST_F(WindowsTest, TheTrackMapCarriesItsControlsAtTheirDesignPlaces) {
    startUp();
    TrackMapWindow& trackMap = frmTrackMap();
    auto* quit = trackMap.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
    auto* overview = trackMap.findChild<QPushButton*>(QStringLiteral("cmdOverview"));
    auto* help = trackMap.findChild<QTextEdit*>(QStringLiteral("Text1"));
    auto* marker = trackMap.findChild<QWidget*>(QStringLiteral("shapeTrainControlled"));
    ASSERT_TRUE(quit && overview && help && marker);
    EXPECT_EQ(quit->geometry(), QRect(420, 8, 65, 29));
    EXPECT_EQ(quit->text(), QStringLiteral("Quit"));
    EXPECT_EQ(overview->geometry(), QRect(420, 56, 67, 20));
    EXPECT_EQ(help->geometry(), QRect(496, 8, 97, 85));
    EXPECT_EQ(marker->geometry(), QRect(28, 328, 81, 37));
    EXPECT_EQ(help->toPlainText(), QStringLiteral("CTRL = Select Train \nUP-DOWN = Throttle \n"
                                                  "LEFT-RIGHT = Turn\n"
                                                  "--------------------------\nDefaults -\n"
                                                  "Straight at 4-ways,\nRight at 3-ways\n"));
    // Quit holds the focus; Tab goes on to Overview and the help text.
    EXPECT_EQ(trackMap.focusWidget(), quit);
    EXPECT_EQ(quit->nextInFocusChain(), overview);
    EXPECT_EQ(overview->nextInFocusChain(), help);
}

TEST_F(WindowsTest, TheTrackIsDrawnWithNodesYellowAndPlainCellsWhite) {
    startUp();
    const QImage image = trackMapImage();
    const auto centre = [](int left, int top) { return QPoint(left / 15 + 6, top / 15 + 6); };
    EXPECT_EQ(pixelAt(image, centre(2160, 3900)), QColor(255, 255, 0));   // node 501
    EXPECT_EQ(pixelAt(image, centre(8340, 3240)), QColor(255, 255, 0));   // node 502
    EXPECT_EQ(pixelAt(image, centre(4200, 2580)), QColor(255, 255, 0));   // node 503
    EXPECT_EQ(pixelAt(image, centre(8100, 3360)), QColor(255, 255, 255)); // cell 2
    EXPECT_EQ(pixelAt(image, QPoint(5, 380)), QColor(192, 192, 255));     // background
    // The larger cells: 104 and 139 wider, 112 taller, each from its listed corner.
    EXPECT_EQ(pixelAt(image, QPoint(4260 / 15 + 15, 4560 / 15 + 6)), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(image, QPoint(6000 / 15 + 15, 2160 / 15 + 6)), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(image, QPoint(2340 / 15 + 6, 4440 / 15 + 15)), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(image, QPoint(2220 / 15 + 15, 4140 / 15 + 6)), QColor(192, 192, 255));
    // The controlled-train marker: white inside a purple border.
    EXPECT_EQ(pixelAt(image, QPoint(68, 346)), QColor(255, 255, 255));
    EXPECT_EQ(pixelAt(image, QPoint(28, 346)), QColor(127, 0, 254));
    // The lower parapet's east end runs down x = 128 from y = 196 to 216.
    EXPECT_EQ(pixelAt(image, QPoint(128, 206)), QColor(Qt::black));
}

TEST_F(WindowsTest, AHiddenCellUnderTheBridgeIsNeverDrawn) {
    startUp();
    TrackCells& cells = frmTrackMap().cells();
    cells.SetBackColor(31, 0x0000FF);
    cells.SetBackColor(60, 0xFF0000);
    const QImage image = trackMapImage();
    // Cell 31's box (116..128, 160..172) partly lies under cell 60's (108..120, 156..168)
    // and cell 61's (124..136, 168..180); between them the background shows.
    EXPECT_EQ(pixelAt(image, QPoint(122, 170)), QColor(192, 192, 255));
    EXPECT_EQ(pixelAt(image, QPoint(112, 160)), QColor(0, 0, 255));
    EXPECT_EQ(pixelAt(image, QPoint(118, 166)), QColor(0, 0, 255));
    // Cells 30 and 32 are hidden as well; 29 and 33 on either side show.
    cells.SetBackColor(30, 0x0000FF);
    cells.SetBackColor(32, 0x0000FF);
    cells.SetBackColor(29, 0x00FF00);
    cells.SetBackColor(33, 0x00FF00);
    const QImage after = trackMapImage();
    EXPECT_EQ(pixelAt(after, QPoint(1560 / 15 + 6, 2580 / 15 + 6)), QColor(192, 192, 255));
    EXPECT_EQ(pixelAt(after, QPoint(1920 / 15 + 6, 2220 / 15 + 6)), QColor(192, 192, 255));
    EXPECT_EQ(pixelAt(after, QPoint(1380 / 15 + 6, 2760 / 15 + 6)), QColor(0, 255, 0));
    EXPECT_EQ(pixelAt(after, QPoint(2100 / 15 + 6, 1980 / 15 + 6)), QColor(0, 255, 0));
}

// Records the regions that a widget paints.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget& widget) { widget.installEventFilter(this); }
    std::vector<QRegion> painted;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted.push_back(static_cast<QPaintEvent*>(event)->region());
        }
        return false;
    }
};

TEST_F(WindowsTest, ManyColourChangesRepaintOnlyTheirCellsOnceAFrame) {
    startUp();
    auto* view = frmTrackMap().findChild<TrackView*>();
    ASSERT_NE(view, nullptr);
    QTest::qWait(50);
    PaintRecorder recorder(*view);
    TrackCells& cells = frmTrackMap().cells();
    for (int round = 0; round < 100; ++round) {
        cells.SetBackColor(40, round % 2 == 0 ? 0x00FF00 : 0x0000FF);
        cells.SetBackColor(41, 0x00FF00);
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !recorder.painted.empty(); }, 2000));
    QTest::qWait(60);
    ASSERT_EQ(recorder.painted.size(), 1u);
    EXPECT_EQ(recorder.painted[0],
              QRegion(view->cellBox(slotOf(40))) + QRegion(view->cellBox(slotOf(41))));
    // Setting a cell to the colour it has is no change and draws nothing.
    cells.SetBackColor(41, 0x00FF00);
    QTest::qWait(60);
    EXPECT_EQ(recorder.painted.size(), 1u);
}

TEST_F(WindowsTest, WhereTheWindowSystemKeepsPlacesToItselfThePlacesReadAreKept) {
    // Far outside this screen, as a place saved on a larger desktop can be.
    settings.writeFile("[frmTrackMap]\nLeft=1007.5\nTop=90000\n");
    SettingsStore store;
    testing::internal::CaptureStderr();
    StoredPlace place(store, kTrackMapPlace, false);
    QWidget window;
    window.resize(200, 100);
    place.moveWindow(window);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    // What Qt reports on Wayland once the compositor has mapped a window: its frame at the
    // origin, whatever the program asked.
    window.move(-3, -30);
    EXPECT_EQ(place.left(window), 1007.5f);
    EXPECT_EQ(place.top(window), 90000.0f);
}

} // namespace
