#include "LoneTrackMap.h"
#include "StartedProgram.h"
#include "base/TextConversions.h"
#include "sim/SharedState.h"
#include "ui/DesignUnits.h"
#include "ui/OverviewWindow.h"
#include "ui/StoredPlace.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrackView.h"
#include "ui/TrainControlWindow.h"
#include "ui/TrainModel.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using testing::HasSubstr;

class WindowsTest : public StartedProgram {
protected:
    // Starts again on the store as the test left it, returning what start-up warned about.
    std::string startUp() {
        restart();
        return startUpWarnings;
    }

    static int slotOf(CellIndex n) { return *cellSlot(n); }

    static QColor pixelAt(const QImage& image, QPoint point) { return image.pixelColor(point); }
};

TEST_F(WindowsTest, AnEmptyStoreOpensBothWindowsAtTheirDefaultPlaces) {
    EXPECT_EQ(startUp(), "");
    TrackMapWindow& map = trackMap();
    TrainControlWindow& controls = trainControl();
    EXPECT_TRUE(map.isVisible());
    EXPECT_TRUE(controls.isVisible());
    // 1000, 1110 and 1000, 5650 twips at 15 twips a pixel.
    EXPECT_EQ(map.pos(), QPoint(67, 74));
    EXPECT_EQ(controls.pos(), QPoint(67, 377));
    EXPECT_EQ(map.size(), QSize(610, 391));
    // Height 1360 less 360 twips of frame: the client area shows train row 0 only.
    EXPECT_EQ(controls.size(), QSize(269, 67));
    EXPECT_EQ(map.windowTitle(), QStringLiteral("Track Map"));
    EXPECT_EQ(controls.windowTitle(), QStringLiteral("Train Control"));
    EXPECT_EQ(program().overview(), nullptr);
    EXPECT_EQ(state().TrainCount, 1);
}

TEST_F(WindowsTest, WindowsOpenWhereTheStoreSays) {
    settings.writeFile("[Globals]\nTrainCount=3\n[frmTrackMap]\nLeft=1500\nTop=300\n"
                       "[frmTrainControl]\nLeft=3000\nTop=4500\nHeight=2560\n[frmOverview]\n"
                       "Left=600\nTop=1200\n");
    EXPECT_EQ(startUp(), "");
    EXPECT_EQ(trackMap().pos(), QPoint(100, 20));
    EXPECT_EQ(trainControl().pos(), QPoint(200, 300));
    EXPECT_EQ(trainControl().height(), 147); // 2200 twips, rounded
    EXPECT_EQ(trainControl().heightTwips(), 2560.0f);
    EXPECT_EQ(overview().pos(), QPoint(40, 80));
}

TEST_F(WindowsTest, AWindowStoredOutsideEveryScreenOpensAtItsDefaultPlace) {
    settings.writeFile("[frmTrackMap]\nLeft=-900000\nTop=1110\n[frmTrainControl]\nLeft=1000\n"
                       "Top=3e30\n");
    const std::string warnings = startUp();
    EXPECT_THAT(warnings, HasSubstr("[frmTrackMap] Left = -900000, Top = 1110"));
    EXPECT_THAT(warnings, HasSubstr("[frmTrainControl] Left = 1000, Top = 3e+30"));
    EXPECT_EQ(trackMap().pos(), QPoint(67, 74));
    EXPECT_EQ(trackMap().leftTwips(), 1000.0f);
    EXPECT_EQ(trainControl().pos(), QPoint(67, 377));
    EXPECT_EQ(trainControl().topTwips(), 5650.0f);
}

TEST_F(WindowsTest, AWindowWithTooLittleOfItsTopOnAScreenOpensAtItsDefaultPlace) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    const QSize mapSize(610, 391);
    struct Case {
        QPoint place;
        bool kept;
    };
    const std::vector<Case> cases = {
        {screen.bottomRight(), false}, // one pixel on the screen
        {screen.topLeft() - QPoint(mapSize.width() - 1, mapSize.height() - 1), false},
        {screen.topLeft() - QPoint(0, 1), false}, // the caption bar's top row off the screen
        {screen.topRight() - QPoint(98, 0), false},
        {screen.bottomRight() - QPoint(99, 29), true}, // the 100 x 30 corner of its top
        {screen.topLeft() - QPoint(mapSize.width() - 100, 0), true},
    };
    for (const Case& c : cases) {
        settings.writeFile(QStringLiteral("[frmTrackMap]\nLeft=%1\nTop=%2\n")
                               .arg(c.place.x() * 15)
                               .arg(c.place.y() * 15)
                               .toUtf8());
        const std::string warnings = startUp();
        EXPECT_EQ(trackMap().pos(), c.kept ? c.place : QPoint(67, 74)) << warnings;
        EXPECT_EQ(warnings.empty(), c.kept) << warnings;
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
        EXPECT_EQ(trainControl().heightTwips(), c.height) << c.file;
        EXPECT_EQ(trainControl().height(), twipsToPixels(c.height - 360)) << c.file;
        EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), c.warned ? 1 : 0) << warnings;
        // Shift+presses end at one row, however many there were.
        for (int press = 0; press < 3; ++press) {
            QTest::mousePress(&trainControl(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 40));
        }
        EXPECT_EQ(trainControl().heightTwips(), 1360.0f) << c.file;
    }
}

TEST_F(WindowsTest, APlaceTheUserDidNotChangeIsKeptAsRead) {
    settings.writeFile("[frmTrackMap]\nLeft=1007.5\nTop=1111\n");
    startUp();
    EXPECT_EQ(trackMap().leftTwips(), 1007.5f);
    EXPECT_EQ(trackMap().topTwips(), 1111.0f);
    // Moved sideways only: the Top stays the number read.
    trackMap().move(200, trackMap().y());
    EXPECT_EQ(trackMap().leftTwips(), 3000.0f);
    EXPECT_EQ(trackMap().topTwips(), 1111.0f);
}

TEST_F(WindowsTest, TheOverviewIsMadeAtItsFirstUseAndOnlyOnce) {
    EXPECT_EQ(program().overview(), nullptr);
    OverviewWindow& window = overview();
    EXPECT_EQ(window.pos(), QPoint(67, 530));
    EXPECT_EQ(window.size(), QSize(440, 157));
    EXPECT_EQ(&overview(), &window);
}

TEST_F(WindowsTest, TheOverviewReadsItsPlaceWhenItLoads) {
    restartWith("[frmOverview]\nLeft=2000\nTop=300\n");
    settings.editFile("[frmOverview]\nLeft=600\nTop=1200\n");
    EXPECT_EQ(overview().pos(), QPoint(40, 80));
}

TEST_F(WindowsTest, TheOverviewButtonShowsTheOverviewAndClosingHidesIt) {
    startUp();
    auto* button = trackMap().findChild<QPushButton*>(QStringLiteral("cmdOverview"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    OverviewWindow& window = *program().overview();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Overview"));
    window.move(300, 200);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(program().overview(), &window);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(300, 200));
}

TEST_F(WindowsTest, TheTrackMapCarriesItsControlsAtTheirDesignPlaces) {
    TrackMapWindow& window = trackMap();
    auto* quit = window.findChild<QPushButton*>(QStringLiteral("cmdQuit"));
    auto* overview = window.findChild<QPushButton*>(QStringLiteral("cmdOverview"));
    auto* help = window.findChild<QTextEdit*>(QStringLiteral("Text1"));
    auto* marker = window.findChild<QWidget*>(QStringLiteral("shapeTrainControlled"));
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
    EXPECT_EQ(window.focusWidget(), quit);
    EXPECT_EQ(quit->nextInFocusChain(), overview);
    EXPECT_EQ(overview->nextInFocusChain(), help);
}

TEST_F(WindowsTest, TheTrackIsDrawnWithNodesYellowAndPlainCellsWhite) {
    const QImage image = trackMap().grab().toImage();
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

TEST(LoneTrackMapTest, AHiddenCellUnderTheBridgeIsNeverDrawn) {
    LoneTrackMap map;
    TrackCells& cells = map.cells;
    cells.SetBackColor(31, 0x0000FF);
    cells.SetBackColor(60, 0xFF0000);
    const auto pixelAt = [](const QImage& image, QPoint point) { return image.pixelColor(point); };
    const QImage image = map.image();
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
    const QImage after = map.image();
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

TEST(LoneTrackMapTest, ManyColorChangesRepaintOnlyTheirCellsOnceAFrame) {
    LoneTrackMap map;
    map.window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&map.window));
    TrackView& view = map.window.trackView();
    QCoreApplication::processEvents();
    PaintRecorder recorder(view);
    for (int round = 0; round < 100; ++round) {
        map.cells.SetBackColor(40, round % 2 == 0 ? 0x00FF00 : 0x0000FF);
        map.cells.SetBackColor(41, 0x00FF00);
    }
    view.showFrame();
    QCoreApplication::processEvents();
    ASSERT_EQ(recorder.painted.size(), 1u);
    EXPECT_EQ(recorder.painted[0],
              QRegion(view.cellBox(*cellSlot(40))) + QRegion(view.cellBox(*cellSlot(41))));
    // A cell set to the colour it was drawn in draws nothing.
    map.cells.SetBackColor(41, 0x00FF00);
    view.showFrame();
    QCoreApplication::processEvents();
    EXPECT_EQ(recorder.painted.size(), 1u);
}

TEST(StoredPlaceTest, WhereTheWindowSystemKeepsPlacesToItselfThePlacesReadAreKept) {
    // Far outside this screen, as a place saved on a larger desktop can be.
    bool told = false;
    StoredPlace place(
        {1007.5, 90000}, {1000, 1110},
        [&](PlaceTwips, PlaceTwips, StoredPlace::PlaceUsed) { told = true; }, false);
    QWidget window;
    window.resize(200, 100);
    place.moveWindow(window);
    EXPECT_FALSE(told);
    // What Qt reports on Wayland once the compositor has mapped a window: its frame at the
    // origin, whatever the program asked.
    window.move(-3, -30);
    EXPECT_EQ(place.left(window), 1007.5f);
    EXPECT_EQ(place.top(window), 90000.0f);
}

// Where neither the place read nor the default one leaves the window's top on its screen, it
// goes to the nearest place where it does, the one that the warning names and Quit writes.
TEST(StoredPlaceTest, WhereNeitherPlaceCanBeReachedTheWindowMovesOntoItsScreen) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    using Used = StoredPlace::PlaceUsed;
    struct Case {
        PlaceTwips stored;
        PlaceTwips fallback;
        QSize size;
        QPoint placed;
        Used used;
    };
    const Case cases[] = {
        // Both below the screen: the window's foot on the screen's.
        {{1000, 90000},
         {1000, pixelsToTwips(screen.bottom() + 1)},
         {440, 157},
         {67, screen.bottom() + 1 - 157},
         Used::MovedOntoScreenAsTheDefaultToo},
        // Right of it, and wider than it: the caption's start at the screen's left edge.
        {{pixelsToTwips(screen.right() + 1), 1110},
         {pixelsToTwips(screen.right() + 1), 1110},
         {screen.width() + 200, 100},
         {screen.left(), 74},
         Used::DefaultMovedOntoScreen},
    };
    for (const Case& c : cases) {
        std::optional<std::pair<PlaceTwips, Used>> told;
        StoredPlace place(
            c.stored, c.fallback,
            [&](PlaceTwips, PlaceTwips used, Used how) { told = std::pair(used, how); }, true);
        QWidget window;
        window.resize(c.size);
        place.moveWindow(window);
        EXPECT_EQ(window.pos(), c.placed);
        ASSERT_TRUE(told.has_value());
        EXPECT_EQ(told->second, c.used);
        // What Quit writes is where the window is, as the warning says.
        EXPECT_EQ(told->first.left, place.left(window));
        EXPECT_EQ(told->first.top, place.top(window));
    }
}

} // namespace
