#include "sim/KeyPoll.h"

#include "StartedProgram.h"
#include "sim/TrainControls.h"
#include "ui/DesignUnits.h"
#include "ui/TextBox.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace {

class KeyPollTest : public StartedProgram {
protected:
    // The test looks half-way between two polls: the poll due just before has been shown.
    KeyPollTest() { passTime(kKeyPollInterval / 2); }

    // Keys as the user gives them, with the track map in front.
    void press(Qt::Key key) { QTest::keyPress(&trackMap(), key); }
    void release(Qt::Key key) { QTest::keyRelease(&trackMap(), key); }

    // Lets `times` polls of the held key fall due.
    void poll(int times = 1) { passTime(std::int64_t(kKeyPollInterval) * times); }

    QColor markerColor() {
        auto& marker = control<QWidget>(trackMap(), QStringLiteral("shapeTrainControlled"));
        return marker.grab().toImage().pixelColor(marker.rect().center());
    }
    QColor paletteColor(int colorIndex) {
        return toQColor(state().Palette[std::size_t(colorIndex)]);
    }

    // Presses on the train control window's background: one train more each.
    void addTrains(int count) {
        for (int k = 0; k < count; ++k) {
            QTest::mouseClick(&trainControl(), Qt::LeftButton, Qt::NoModifier, QPoint(3, 40));
        }
    }
    void removeTrains(int count) {
        for (int k = 0; k < count; ++k) {
            QTest::mouseClick(&trainControl(), Qt::LeftButton, Qt::ShiftModifier, QPoint(3, 40));
        }
    }
};

TEST_F(KeyPollTest, UpAndDownMoveTheControlledThrottleByFiveWithinItsRange) {
    struct Case {
        Qt::Key key;
        int from;
        int to;
    };
    for (const auto& [key, from, to] :
         {Case{Qt::Key_Up, 1, 6}, Case{Qt::Key_Up, 50, 55}, Case{Qt::Key_Up, 97, 100},
          Case{Qt::Key_Up, 100, 100}, Case{Qt::Key_Down, 50, 45}, Case{Qt::Key_Down, 3, 0},
          Case{Qt::Key_Down, 1, 0}, Case{Qt::Key_Down, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << (key == Qt::Key_Up ? "Up" : "Down") << " from " << from);
        throttle(0).setValue(from);
        press(key);
        poll();
        release(key);
        EXPECT_EQ(throttle(0).value(), to);
        // The throttle's own handling follows, as after a move by the user.
        EXPECT_EQ(clock(0).interval(), SpeedToInterval(to));
        EXPECT_EQ(clock(0).running(), to > 0);
        EXPECT_EQ(speedBox(0).text(), QString::number(to));
        EXPECT_EQ(throttle(1).value(), 1);
        EXPECT_EQ(throttle(2).value(), 1);
    }
}

TEST_F(KeyPollTest, AHeldUpActsOnEveryPollAndReachesFullThrottleOnTheTwentieth) {
    press(Qt::Key_Up);
    poll(19);
    EXPECT_EQ(throttle(0).value(), 96);
    poll();
    EXPECT_EQ(throttle(0).value(), 100);
    EXPECT_EQ(clock(0).interval(), 1);
    poll(3);
    EXPECT_EQ(throttle(0).value(), 100);
    press(Qt::Key_Down);
    poll(2);
    EXPECT_EQ(throttle(0).value(), 90);
}

TEST_F(KeyPollTest, NoOtherKeyActsOnThePoll) {
    addTrains(2);
    for (const Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Shift, Qt::Key_Alt,
                              Qt::Key_Space, Qt::Key_A, Qt::Key_PageUp}) {
        press(key);
        poll(3);
        release(key);
    }
    poll();
    for (int i = 0; i < kTrainSlots; ++i) {
        EXPECT_EQ(throttle(i).value(), 1);
    }
    EXPECT_EQ(state().ControlledTrain, 0);
    EXPECT_EQ(markerColor(), QColor(Qt::white));
}

TEST_F(KeyPollTest, CtrlWithOneTrainKeepsTrainZeroAndGivesTheMarkerItsColor) {
    EXPECT_EQ(markerColor(), QColor(Qt::white));
    press(Qt::Key_Control);
    poll();
    EXPECT_EQ(state().ControlledTrain, 0);
    EXPECT_EQ(markerColor(), paletteColor(3));
    poll(4);
    EXPECT_EQ(state().ControlledTrain, 0);
}

TEST_F(KeyPollTest, AHeldCtrlCyclesThroughTheTrainsInUseAndTheMarkerFollows) {
    addTrains(2);
    press(Qt::Key_Control);
    std::vector<int> controlled;
    std::vector<QColor> markers;
    for (int tick = 0; tick < 4; ++tick) {
        poll();
        controlled.push_back(state().ControlledTrain);
        markers.push_back(markerColor());
    }
    EXPECT_EQ(controlled, (std::vector<int>{1, 2, 0, 1}));
    EXPECT_EQ(markers, (std::vector<QColor>{paletteColor(4), paletteColor(5), paletteColor(3),
                                            paletteColor(4)}));
    // Up now drives train 1 alone.
    press(Qt::Key_Up);
    poll();
    EXPECT_EQ(throttle(1).value(), 6);
    EXPECT_EQ(throttle(0).value(), 1);
}

TEST_F(KeyPollTest, TheMarkerKeepsItsColorUntilTheNextCtrl) {
    press(Qt::Key_Control);
    poll();
    release(Qt::Key_Control);
    QTest::mouseClick(&swatch(0), Qt::LeftButton);
    EXPECT_EQ(train(0).ColorIndex, 4);
    poll();
    EXPECT_EQ(markerColor(), paletteColor(3));
    press(Qt::Key_Control);
    poll();
    EXPECT_EQ(markerColor(), paletteColor(4));
}

TEST_F(KeyPollTest, UpDrivesAControlledTrainLeftAboveTheCountUntilTheNextCtrl) {
    addTrains(2);
    press(Qt::Key_Control);
    poll(2);
    release(Qt::Key_Control);
    ASSERT_EQ(state().ControlledTrain, 2);
    removeTrains(2);
    ASSERT_EQ(state().TrainCount, 1);

    press(Qt::Key_Up);
    poll();
    release(Qt::Key_Up);
    EXPECT_EQ(throttle(2).value(), 6);
    EXPECT_EQ(throttle(0).value(), 1);

    press(Qt::Key_Control);
    poll();
    EXPECT_EQ(state().ControlledTrain, 0);
}

TEST_F(KeyPollTest, AKeyPressedAndReleasedBetweenTwoPollsHasNoEffect) {
    addTrains(1);
    for (const Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Control}) {
        poll();
        press(key);
        release(key);
        poll();
    }
    EXPECT_EQ(throttle(0).value(), 1);
    EXPECT_EQ(state().ControlledTrain, 0);
    EXPECT_EQ(markerColor(), QColor(Qt::white));
}

TEST_F(KeyPollTest, HoldingUpStartsTrainZeroThroughTheRealPoll) {
    press(Qt::Key_Up);
    // The first poll falls due a tenth of a second after the start.
    passTime(49);
    EXPECT_EQ(throttle(0).value(), 1);
    passTime(1);
    EXPECT_EQ(throttle(0).value(), 6);
    passTime(950);
    EXPECT_EQ(throttle(0).value(), 51);
    EXPECT_NE(train(0).Body[0], 0);
    release(Qt::Key_Up);
    passTime(250);
    EXPECT_EQ(throttle(0).value(), 51);
    EXPECT_EQ(train(1).Body[0], 0);
}

TEST_F(KeyPollTest, ARightPressOpensNoMenuThatWouldKeepAKeyHeld) {
    // A menu would take the keyboard until it closes; close any that opens, as a user would.
    bool menuOpened = false;
    const auto rightClick = [&](QWidget& control) {
        QTimer::singleShot(0, [&] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                menuOpened = true;
                popup->close();
            }
        });
        QWidget* window = control.window();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, Qt::NoModifier,
                          control.mapTo(window, control.rect().center()));
        QCoreApplication::processEvents();
    };
    QTest::keyPress(trackMap().windowHandle(), Qt::Key_Up);
    rightClick(throttle(0));
    rightClick(control<QTextEdit>(trackMap(), QStringLiteral("Text1")));
    QTest::keyRelease(trackMap().windowHandle(), Qt::Key_Up);
    EXPECT_FALSE(menuOpened);
    EXPECT_EQ(state().KeyDownCode, kNoKey);
    EXPECT_EQ(throttle(0).value(), 1);
}

} // namespace
