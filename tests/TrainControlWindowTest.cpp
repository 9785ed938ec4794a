#include "ui/TrainControlWindow.h"

#include "StartedProgram.h"
#include "sim/SharedState.h"
#include "ui/TextBox.h"
#include "ui/TrackMapWindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TrainControlWindowTest : public StartedProgram {
protected:
    QWidget& rowBox(int i) { return trainControlBox<QWidget>("boxTrainControl", i); }

    // The number of rows whose box lies wholly inside the window.
    int rowsShown() {
        int rows = 0;
        for (int i = 0; i < kTrainSlots; ++i) {
            rows += trainControl().rect().contains(rowBox(i).geometry()) ? 1 : 0;
        }
        return rows;
    }

    QColor swatchColor(int i) { return swatch(i).palette().color(QPalette::Base); }
    QColor paletteColor(int colorIndex) {
        const Color c = state().Palette[std::size_t(colorIndex)];
        return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    }

    // A point of the window's own background, left of the row boxes.
    void pressWindow(Qt::KeyboardModifiers modifiers, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mousePress(&trainControl(), button, modifiers, QPoint(3, 40));
        QTest::mouseRelease(&trainControl(), button, modifiers, QPoint(3, 40));
    }

    void sendKey(QEvent::Type type, int key, bool autoRepeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(
            QApplication::focusWidget() ? QApplication::focusWidget() : &trainControl(), &event);
    }
};

TEST_F(TrainControlWindowTest, StartsWithEveryThrottleAtOneEveryTimerStoppedAndOneRowShown) {
    EXPECT_EQ(rowsShown(), 1);
    for (int i = 0; i < kTrainSlots; ++i) {
        EXPECT_EQ(throttle(i).value(), 1);
        EXPECT_EQ(throttle(i).minimum(), 0);
        EXPECT_EQ(throttle(i).maximum(), 100);
        EXPECT_FALSE(clock(i).running());
        EXPECT_EQ(speedBox(i).text(), "0");
        EXPECT_EQ(lengthBox(i).text(), "5");
        EXPECT_EQ(swatchColor(i), paletteColor(3 + i));
        EXPECT_EQ(train(i).HeadPos, 501 + i);
    }
    EXPECT_EQ(trainControl().windowTitle(), "Train Control");
    QStringList headings;
    for (const char* name : {"Label4", "Label5", "Label1", "Label3"}) {
        headings << trainControl().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    EXPECT_EQ(headings, QStringList({"Color", "Throttle", "Speed", "Len"}));
}

TEST_F(TrainControlWindowTest, ShowsTheStoredSpeedsLengthsAndColorsNotTheThrottles) {
    restartWith("[Globals]\nSpeed0=40\nSpeed2=-3\nTrainLength1=501\nTrainColor0=26\n"
                "TrainCount=3\n[frmTrainControl]\nHeight=2560\n");
    EXPECT_EQ(speedBox(0).text(), "40");
    EXPECT_EQ(speedBox(1).text(), "0");
    EXPECT_EQ(speedBox(2).text(), "-3");
    EXPECT_EQ(lengthBox(1).text(), "501");
    EXPECT_EQ(swatchColor(0), paletteColor(26));
    EXPECT_EQ(throttle(0).value(), 1);
    EXPECT_FALSE(clock(0).running());
    EXPECT_EQ(rowsShown(), 3);
}

TEST_F(TrainControlWindowTest, TheThrottleSetsItsTrainsTimerAndSpeedBox) {
    struct Case {
        int value;
        int interval; // 0: stopped
    };
    for (const Case c : {Case{0, 0}, Case{50, 501}, Case{100, 1}, Case{6, 941}, Case{1, 991},
                         Case{99, 11}, Case{0, 0}}) {
        throttle(1).setValue(c.value);
        EXPECT_EQ(clock(1).running(), c.interval != 0) << c.value;
        if (c.interval != 0) {
            EXPECT_EQ(clock(1).interval(), c.interval) << c.value;
        }
        EXPECT_EQ(speedBox(1).text(), QString::number(c.value));
    }
    // Throttles are one a train.
    EXPECT_FALSE(clock(0).running());
    EXPECT_EQ(speedBox(0).text(), "0");
    // The stored speed is shown, not changed.
    EXPECT_EQ(train(1).Speed, 0);
}

TEST_F(TrainControlWindowTest, AThrottleArrowStepsByOneAndAClickInItsTrackByTen) {
    QScrollBar& bar = throttle(0);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() - 3, bar.height() / 2));
    EXPECT_EQ(bar.value(), 2);
    QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(bar.width() * 3 / 4, bar.height() / 2));
    EXPECT_EQ(bar.value(), 12);
    EXPECT_EQ(speedBox(0).text(), "12");
    EXPECT_EQ(clock(0).interval(), 881);
}

TEST_F(TrainControlWindowTest, ATickedTimerMovesItsTrainOnTheTrackMap) {
    throttle(2).setValue(100);
    // Train 2 leaves node 503 on its first step, and is shown a frame after the start.
    passTime(20);
    EXPECT_NE(train(2).Body[1], 0);
    const CellIndex head = train(2).Body[0];
    const auto slot = *cellSlot(head);
    EXPECT_EQ(program().cells().colorAt(slot), state().Palette[5]);
    // Back to 0, the train stops where it stands, its body still painted.
    throttle(2).setValue(0);
    const TrainRecord stopped = train(2);
    passTime(30);
    EXPECT_EQ(train(2).HeadPos, stopped.HeadPos);
    EXPECT_EQ(program().cells().colorAt(*cellSlot(stopped.Body[0])), state().Palette[5]);
    EXPECT_EQ(train(0).Body[0], 0);
}

TEST_F(TrainControlWindowTest, AClickOnASwatchTakesTheNextColorRoundThePalette) {
    restartWith("[Globals]\nTrainColor0=25\n");
    QTest::mouseClick(&swatch(0), Qt::LeftButton);
    EXPECT_EQ(train(0).ColorIndex, 26);
    EXPECT_EQ(swatchColor(0), paletteColor(26));
    QTest::mouseClick(&swatch(0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(train(0).ColorIndex, 0);
    EXPECT_EQ(swatchColor(0), paletteColor(0));
    // A right click is no click; a press on a swatch never reaches the window.
    QTest::mouseClick(&swatch(0), Qt::RightButton);
    EXPECT_EQ(train(0).ColorIndex, 0);
    EXPECT_EQ(state().TrainCount, 1);
    EXPECT_EQ(train(1).ColorIndex, 4);
}

TEST_F(TrainControlWindowTest, ALengthPressAddsOneUnlessShiftAloneIsHeld) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        Qt::MouseButton button;
        int change;
    };
    const Case cases[] = {
        {Qt::NoModifier, Qt::LeftButton, +1},
        {Qt::ShiftModifier, Qt::LeftButton, -1},
        {Qt::ShiftModifier, Qt::RightButton, -1},
        {Qt::NoModifier, Qt::RightButton, +1},
        {Qt::NoModifier, Qt::MiddleButton, +1},
        {Qt::ControlModifier, Qt::LeftButton, +1},
        {Qt::AltModifier, Qt::LeftButton, +1},
        {Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton, +1},
        {Qt::ShiftModifier | Qt::AltModifier, Qt::LeftButton, +1},
        {Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, Qt::LeftButton, +1},
        // The keypad and Meta are no part of the shift state.
        {Qt::ShiftModifier | Qt::MetaModifier, Qt::LeftButton, -1},
    };
    for (const Case& c : cases) {
        const int before = train(1).Length;
        QTest::mousePress(&lengthBox(1), c.button, c.modifiers);
        QTest::mouseRelease(&lengthBox(1), c.button, c.modifiers);
        EXPECT_EQ(train(1).Length, before + c.change) << int(c.modifiers) << " " << c.button;
        EXPECT_EQ(lengthBox(1).text(), QString::number(train(1).Length));
    }
    EXPECT_EQ(state().TrainCount, 1);
}

TEST_F(TrainControlWindowTest, ALengthStaysWithinNoCellsAndAFullBody) {
    restartWith("[Globals]\nTrainLength0=1\n");
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(train(0).Length, 0);
    EXPECT_EQ(lengthBox(0).text(), "0");
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(train(0).Length, 0);
    restartWith("[Globals]\nTrainLength0=500\n");
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton);
    EXPECT_EQ(train(0).Length, 501);
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton);
    EXPECT_EQ(train(0).Length, 501);
    EXPECT_EQ(lengthBox(0).text(), "501");
    // Each press of a quick double press counts: Qt reports the second as a double click.
    restartWith("[Globals]\nTrainLength0=5\n");
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton);
    QTest::mouseDClick(&lengthBox(0), Qt::LeftButton);
    QTest::mouseRelease(&lengthBox(0), Qt::LeftButton);
    EXPECT_EQ(train(0).Length, 7);
}

// The columns that hold the length box's green text, first to last, as drawn.
std::pair<int, int> inkColumns(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (c.green() > c.red() + 40 && c.green() > c.blue() + 40) {
                first = std::min(first, x);
                last = x;
            }
        }
    }
    return {first, last};
}

TEST_F(TrainControlWindowTest, TheLongestLengthShowsWholeInEveryLengthBox) {
    restartWith("[Globals]\nTrainLength0=501\nTrainLength1=501\nTrainLength2=501\n");
    for (int i = 0; i < kTrainSlots; ++i) {
        TextBox& box = lengthBox(i);
        ASSERT_EQ(box.text(), "501");
        // The same text in the same font, drawn with room to spare.
        const QFontMetrics metrics(box.font());
        QImage free(metrics.horizontalAdvance(box.text()) + 20, box.height(), QImage::Format_RGB32);
        free.fill(Qt::white);
        QPainter painter(&free);
        painter.setFont(box.font());
        painter.setPen(QColor(0, 128, 0));
        painter.drawText(free.rect(), Qt::AlignCenter, box.text());
        painter.end();
        const auto [freeFirst, freeLast] = inkColumns(free);
        const auto [first, last] = inkColumns(box.grab().toImage());
        EXPECT_GE(last - first, freeLast - freeFirst - 1) << "row " << i;
        // Centred, with the frame's inner line left clear on both sides.
        EXPECT_GT(first, 2);
        EXPECT_LT(last, box.width() - 3);
    }
}

TEST_F(TrainControlWindowTest, APressOnTheWindowAddsATrainAndShiftRemovesOneWithTheHeight) {
    struct Case {
        Qt::KeyboardModifiers modifiers;
        int count;
        float height;
    };
    const Case cases[] = {
        {Qt::ShiftModifier, 1, 1360}, // never below one train
        {Qt::NoModifier, 2, 1960},    {Qt::ControlModifier, 2, 1960},
        {Qt::AltModifier, 2, 1960},   {Qt::ShiftModifier | Qt::ControlModifier, 2, 1960},
        {Qt::NoModifier, 3, 2560},    {Qt::NoModifier, 3, 2560}, // never above three
        {Qt::ShiftModifier, 2, 1960}, {Qt::ShiftModifier, 1, 1360},
    };
    for (const Case& c : cases) {
        pressWindow(c.modifiers);
        EXPECT_EQ(state().TrainCount, c.count) << int(c.modifiers);
        EXPECT_EQ(trainControl().heightTwips(), c.height);
        EXPECT_EQ(rowsShown(), c.count);
    }
}

TEST_F(TrainControlWindowTest, ARowBoxIsTheWindowButAHeadingIsNot) {
    QTest::mouseClick(&trainControl(), Qt::RightButton, {}, rowBox(0).geometry().center());
    EXPECT_EQ(state().TrainCount, 2);
    QTest::mouseDClick(&trainControl(), Qt::LeftButton, {}, QPoint(3, 40));
    EXPECT_EQ(state().TrainCount, 3);
    auto* heading = trainControl().findChild<QLabel*>(QStringLiteral("Label5"));
    QTest::mouseClick(heading, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(state().TrainCount, 3);
}

TEST_F(TrainControlWindowTest, ATrainLeftOutOfTheCountKeepsRunning) {
    pressWindow(Qt::NoModifier);
    throttle(1).setValue(50);
    pressWindow(Qt::ShiftModifier);
    EXPECT_EQ(state().TrainCount, 1);
    EXPECT_TRUE(clock(1).running());
    EXPECT_EQ(clock(1).interval(), 501);
    pressWindow(Qt::NoModifier);
    EXPECT_EQ(throttle(1).value(), 50);
}

TEST_F(TrainControlWindowTest, KeysGoToTheHeldKeyCodeAndNeverMoveAFocusedThrottle) {
    throttle(0).setFocus();
    for (const auto& [key, code] :
         {std::pair{Qt::Key_Left, 37}, std::pair{Qt::Key_Right, 39}, std::pair{Qt::Key_Up, 38},
          std::pair{Qt::Key_Down, 40}, std::pair{Qt::Key_PageUp, 33}, std::pair{Qt::Key_End, 35},
          std::pair{Qt::Key_Tab, 9}}) {
        QTest::keyPress(&throttle(0), key);
        EXPECT_EQ(state().KeyDownCode, code);
        QTest::keyRelease(&throttle(0), key);
        EXPECT_EQ(state().KeyDownCode, 0);
    }
    EXPECT_EQ(throttle(0).value(), 1);
    EXPECT_EQ(trainControl().focusWidget(), &throttle(0));
}

TEST_F(TrainControlWindowTest, AnyReleaseClearsTheCodeAndTheLastPressWins) {
    throttle(0).setFocus();
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    sendKey(QEvent::KeyPress, Qt::Key_Control);
    EXPECT_EQ(state().KeyDownCode, 17);
    sendKey(QEvent::KeyRelease, Qt::Key_Control);
    // Left is still held, but it acts again only at its next press.
    EXPECT_EQ(state().KeyDownCode, 0);
}

TEST_F(TrainControlWindowTest, AutoRepeatKeepsTheHeldKeySteady) {
    throttle(0).setFocus();
    sendKey(QEvent::KeyPress, Qt::Key_Right);
    for (int repeat = 0; repeat < 5; ++repeat) {
        sendKey(QEvent::KeyRelease, Qt::Key_Right, true);
        EXPECT_EQ(state().KeyDownCode, 39);
        sendKey(QEvent::KeyPress, Qt::Key_Right, true);
        EXPECT_EQ(state().KeyDownCode, 39);
    }
    EXPECT_EQ(throttle(0).value(), 1);
    sendKey(QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(state().KeyDownCode, 0);
}

TEST_F(TrainControlWindowTest, AKeyHeldWhenTheProgramLosesTheKeyboardCountsAsReleased) {
    throttle(0).setFocus();
    sendKey(QEvent::KeyPress, Qt::Key_Left);
    QApplicationStateChangeEvent active(Qt::ApplicationActive);
    QApplication::sendEvent(qApp, &active);
    EXPECT_EQ(state().KeyDownCode, 37);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QApplication::sendEvent(qApp, &inactive);
    EXPECT_EQ(state().KeyDownCode, 0);
}

TEST_F(TrainControlWindowTest, TheTabOrderRunsAsDesigned) {
    QStringList order;
    QWidget* widget = &throttle(0);
    for (int step = 0; step < 12; ++step) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->isWindow()) {
            widget = widget->nextInFocusChain();
        }
    }
    EXPECT_EQ(order, QStringList({"HScrollTrainSpeed0", "txtTrainSpeed0", "HScrollTrainSpeed1",
                                  "txtTrainSpeed1", "txtTrainSpeed2", "HScrollTrainSpeed2",
                                  "txtTrainColor2", "txtTrainColor1", "txtTrainColor0",
                                  "txtTrainLength2", "txtTrainLength1", "txtTrainLength0"}));
    EXPECT_EQ(trainControl().focusWidget(), &throttle(0));
}

} // namespace
