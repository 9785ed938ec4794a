#include "ui/OverviewWindow.h"

#include "StartedProgram.h"
#include "ui/DesignUnits.h"
#include "ui/TextBox.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class OverviewWindowTest : public StartedProgram {
protected:
    static QString field(const char* name, int index = -1) {
        const QString fullName =
            QString::fromLatin1(name) + (index < 0 ? QString() : QString::number(index));
        return control<TextBox>(frmOverview(), fullName).text();
    }

    // One row of the overview: speed, head, colour, length, body.
    static QStringList row(int i) {
        return {field("txtTrainSpeed", i), field("txtTrainPosition", i), field("txtTrainColor", i),
                field("txtTrainLength", i), field("txtWorm", i)};
    }

    static void clickOverviewButton() {
        QTest::mouseClick(&control<QPushButton>(frmTrackMap(), QStringLiteral("cmdOverview")),
                          Qt::LeftButton);
    }

    static TextBox& trainControlBox(const char* name, int index) {
        return control<TextBox>(frmTrainControl(),
                                QString::fromLatin1(name) + QString::number(index));
    }
};

TEST_F(OverviewWindowTest, ShowsTheStateAfterKnownSteps) {
    restartWith("[Globals]\nTrainCount=3\nTrainLength0=3\nSpeed0=40\nSpeed2=-7\nTrainColor1=26\n");
    for (int step = 0; step < 4; ++step) {
        frmTrainControl().MoveTrain(0);
    }
    frmTrainControl().MoveTrain(2);
    QTest::keyPress(&frmTrackMap(), Qt::Key_Down);
    frmOverview().refresh();

    // Train 0 leaves node 501 onto 24 and runs on along 25, 26, 27. Train 2 then leaves 503
    // onto 68. Train 1 has not moved.
    EXPECT_EQ(row(0), QStringList({"40", "27", "3", "3", "27 - 26 - 25"}));
    EXPECT_EQ(row(1), QStringList({"0", "502", "26", "5", "0 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(row(2), QStringList({"-7", "68", "5", "5", "68 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(field("txtTrainCount"), "3");
    EXPECT_EQ(field("txtKeyDown"), "40");

    QTest::keyRelease(&frmTrackMap(), Qt::Key_Down);
    frmOverview().refresh();
    EXPECT_EQ(field("txtKeyDown"), "0");
}

TEST_F(OverviewWindowTest, TheRowsOfTrainsOutOfUseAreFilledToo) {
    frmOverview().refresh();
    EXPECT_EQ(field("txtTrainCount"), "1");
    EXPECT_EQ(row(1), QStringList({"0", "502", "4", "5", "0 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(row(2), QStringList({"0", "503", "5", "5", "0 - 0 - 0 - 0 - 0"}));
}

TEST_F(OverviewWindowTest, AColourClickShowsAtTheNextRefresh) {
    restartWith("[Globals]\nTrainColor1=26\n");
    frmOverview().refresh();
    QTest::mouseClick(&trainControlBox("txtTrainColor", 0), Qt::LeftButton);
    QTest::mouseClick(&trainControlBox("txtTrainColor", 1), Qt::LeftButton);
    EXPECT_EQ(field("txtTrainColor", 0), "3");
    EXPECT_EQ(field("txtTrainColor", 1), "26");
    frmOverview().refresh();
    EXPECT_EQ(field("txtTrainColor", 0), "4");
    EXPECT_EQ(field("txtTrainColor", 1), "0");
}

TEST_F(OverviewWindowTest, AShorterTrainListsFewerCells) {
    train(0).Length = 2;
    train(0).Body[0] = 40;
    train(0).Body[1] = 41;
    frmOverview().refresh();
    EXPECT_EQ(field("txtWorm", 0), "40 - 41");
    QTest::mouseClick(&trainControlBox("txtTrainLength", 0), Qt::LeftButton, Qt::ShiftModifier);
    frmOverview().refresh();
    EXPECT_EQ(field("txtWorm", 0), "40");
    EXPECT_EQ(field("txtTrainLength", 0), "1");
}

TEST_F(OverviewWindowTest, ALongBodyListShowsItsHead) {
    train(1).Length = 501;
    for (std::size_t k = 0; k < kBodyCapacity; ++k) {
        train(1).Body[k] = CellIndex(100 + k % 30);
    }
    frmOverview().refresh();
    auto& worm = control<TextBox>(frmOverview(), QStringLiteral("txtWorm1"));
    EXPECT_TRUE(worm.text().startsWith("100 - 101 - 102 - "));
    EXPECT_EQ(worm.cursorPosition(), 0);
}

TEST_F(OverviewWindowTest, RefreshesEveryTenthOfASecondWhileHidden) {
    OverviewWindow& overview = frmOverview();
    EXPECT_FALSE(overview.isVisible());
    const auto& timer = control<QTimer>(overview, QStringLiteral("Timer1"));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 100);
    // Shown from the start, before the first tick.
    EXPECT_EQ(field("txtTrainPosition", 0), "501");

    QTest::keyPress(&frmTrainControl(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([] { return field("txtKeyDown") == "37"; }, 1000));
    QTest::keyRelease(&frmTrainControl(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([] { return field("txtKeyDown") == "0"; }, 1000));
    EXPECT_FALSE(overview.isVisible());
}

TEST_F(OverviewWindowTest, CloseHidesItAndOverviewBringsItBackWhereItWas) {
    clickOverviewButton();
    OverviewWindow& overview = frmOverview();
    ASSERT_TRUE(overview.isVisible());
    EXPECT_EQ(overview.pos(), twipsRect(1000, 7950, 0, 0).topLeft());
    clickOverviewButton();
    EXPECT_TRUE(overview.isVisible());

    overview.move(300, 200);
    QTest::mouseClick(&control<QPushButton>(overview, QStringLiteral("cmdClose")), Qt::LeftButton);
    EXPECT_FALSE(overview.isVisible());
    EXPECT_EQ(&frmOverview(), &overview);

    train(0).HeadPos = 77;
    clickOverviewButton();
    EXPECT_TRUE(overview.isVisible());
    EXPECT_EQ(overview.pos(), QPoint(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([] { return field("txtTrainPosition", 0) == "77"; }, 1000));
}

TEST_F(OverviewWindowTest, OneTheWindowSystemDestroyedComesBackAtTheNextPress) {
    restartWith("[frmOverview]\nLeft=600\nTop=1200\n");
    clickOverviewButton();
    QPointer<OverviewWindow> lost = &frmOverview();
    lost->move(300, 200);
    windowLost(*lost);
    EXPECT_TRUE(lost.isNull());

    train(0).HeadPos = 77;
    clickOverviewButton();
    OverviewWindow& back = frmOverview();
    EXPECT_TRUE(back.isVisible());
    // Loaded again: at its stored place, showing the trains as they stand.
    EXPECT_EQ(back.pos(), QPoint(40, 80));
    EXPECT_EQ(field("txtTrainPosition", 0), "77");
    // The other windows are not the overview: they stay.
    QPointer<QWidget> trackMap = &frmTrackMap();
    windowLost(*trackMap);
    EXPECT_FALSE(trackMap.isNull());
    EXPECT_EQ(&frmOverview(), &back);
}

TEST_F(OverviewWindowTest, ItsKeysGoToTheHeldKeyCodeAndNowhereElse) {
    clickOverviewButton();
    QWidget* focused = frmOverview().focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), "txtTrainCount");
    QTest::keyPress(focused, Qt::Key_Up);
    EXPECT_EQ(programState().KeyDownCode, 38);
    QTest::keyPress(focused, Qt::Key_Tab);
    EXPECT_EQ(programState().KeyDownCode, 9);
    QTest::keyRelease(focused, Qt::Key_Up);
    EXPECT_EQ(programState().KeyDownCode, 0);
    EXPECT_EQ(frmOverview().focusWidget(), focused);
}

TEST_F(OverviewWindowTest, TheFocusOrderRunsAsDesigned) {
    QStringList order;
    QWidget* widget = &control<TextBox>(frmOverview(), QStringLiteral("txtTrainCount"));
    for (int step = 0; step < 18; ++step) {
        order << widget->objectName();
        widget = widget->nextInFocusChain();
        while (widget->focusPolicy() == Qt::NoFocus || widget->isWindow()) {
            widget = widget->nextInFocusChain();
        }
    }
    EXPECT_EQ(order,
              QStringList({"txtTrainCount", "txtTrainPosition0", "txtTrainPosition1",
                           "txtTrainPosition2", "txtTrainSpeed0", "txtTrainSpeed1",
                           "txtTrainSpeed2", "txtTrainColor0", "txtTrainColor1", "txtTrainColor2",
                           "txtTrainLength0", "txtTrainLength1", "txtTrainLength2", "cmdClose",
                           "txtWorm0", "txtWorm1", "txtWorm2", "txtKeyDown"}));
}

TEST_F(OverviewWindowTest, CarriesTheCaptionsOfItsDesign) {
    OverviewWindow& overview = frmOverview();
    EXPECT_EQ(overview.windowTitle(), "Overview");
    EXPECT_EQ(overview.size(), twipsRect(0, 0, 6600, 2355).size());
    EXPECT_EQ(overview.palette().color(QPalette::Window), QColor(255, 192, 128));
    QStringList captions;
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label9", "Label6", "Label7",
                             "Label8", "Label1"}) {
        captions << control<QLabel>(overview, QString::fromLatin1(name)).text();
    }
    EXPECT_EQ(captions,
              QStringList({"Speed", "Pos", "Clr", "Len", "Worm", "0", "1", "2", "TrainCount"}));
    EXPECT_EQ(control<QPushButton>(overview, QStringLiteral("cmdClose")).text(), "Close");
}

} // namespace
