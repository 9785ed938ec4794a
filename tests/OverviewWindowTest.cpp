#include "ui/OverviewWindow.h"

#include "StartedProgram.h"
#include "sim/BodyList.h"
#include "ui/DesignUnits.h"
#include "ui/LongTextBox.h"
#include "ui/TextBox.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

class OverviewWindowTest : public StartedProgram {
protected:
    QString field(const char* name, int index = -1) {
        const QString fullName =
            QString::fromLatin1(name) + (index < 0 ? QString() : QString::number(index));
        return control<TextBox>(overview(), fullName).text();
    }

    // One row of the overview: speed, head, colour, length, body.
    QStringList row(int i) {
        return {field("txtTrainSpeed", i), field("txtTrainPosition", i), field("txtTrainColor", i),
                field("txtTrainLength", i), field("txtWorm", i)};
    }

    void clickOverviewButton() {
        QTest::mouseClick(&control<QPushButton>(trackMap(), QStringLiteral("cmdOverview")),
                          Qt::LeftButton);
    }
};

TEST_F(OverviewWindowTest, ShowsTheStateAfterKnownSteps) {
    restartWith("[Globals]\nTrainCount=3\nTrainLength0=3\nSpeed0=40\nSpeed2=-7\nTrainColor1=26\n");
    for (int step = 0; step < 4; ++step) {
        program().driver().takeStep(0);
    }
    program().driver().takeStep(2);
    QTest::keyPress(&trackMap(), Qt::Key_Down);
    overview().refresh();

    // Train 0 leaves node 501 onto 24 and runs on along 25, 26, 27. Train 2 then leaves 503
    // onto 68. Train 1 has not moved.
    EXPECT_EQ(row(0), QStringList({"40", "27", "3", "3", "27 - 26 - 25"}));
    EXPECT_EQ(row(1), QStringList({"0", "502", "26", "5", "0 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(row(2), QStringList({"-7", "68", "5", "5", "68 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(field("txtTrainCount"), "3");
    EXPECT_EQ(field("txtKeyDown"), "40");

    QTest::keyRelease(&trackMap(), Qt::Key_Down);
    overview().refresh();
    EXPECT_EQ(field("txtKeyDown"), "0");
}

TEST_F(OverviewWindowTest, TheRowsOfTrainsOutOfUseAreFilledToo) {
    overview().refresh();
    EXPECT_EQ(field("txtTrainCount"), "1");
    EXPECT_EQ(row(1), QStringList({"0", "502", "4", "5", "0 - 0 - 0 - 0 - 0"}));
    EXPECT_EQ(row(2), QStringList({"0", "503", "5", "5", "0 - 0 - 0 - 0 - 0"}));
}

TEST_F(OverviewWindowTest, AColorClickShowsAtTheNextRefresh) {
    restartWith("[Globals]\nTrainColor1=26\n");
    overview().refresh();
    QTest::mouseClick(&swatch(0), Qt::LeftButton);
    QTest::mouseClick(&swatch(1), Qt::LeftButton);
    EXPECT_EQ(field("txtTrainColor", 0), "3");
    EXPECT_EQ(field("txtTrainColor", 1), "26");
    overview().refresh();
    EXPECT_EQ(field("txtTrainColor", 0), "4");
    EXPECT_EQ(field("txtTrainColor", 1), "0");
}

TEST_F(OverviewWindowTest, AShorterTrainListsFewerCells) {
    restartWith("[Globals]\nTrainLength0=2\n");
    program().driver().takeStep(0);
    program().driver().takeStep(0);
    overview().refresh();
    EXPECT_EQ(field("txtWorm", 0), "25 - 24");
    QTest::mouseClick(&lengthBox(0), Qt::LeftButton, Qt::ShiftModifier);
    overview().refresh();
    EXPECT_EQ(field("txtWorm", 0), "25");
    EXPECT_EQ(field("txtTrainLength", 0), "1");
}

TEST_F(OverviewWindowTest, ALongBodyListShowsItsHeadAndAScreenReaderReadsItWhole) {
    restartWith("[Globals]\nTrainLength1=501\n");
    for (int step = 0; step < 40; ++step) {
        program().driver().takeStep(1);
    }
    overview().refresh();
    auto& worm = control<LongTextBox>(overview(), QStringLiteral("txtWorm1"));
    const auto whole = [&] { return QString::fromStdString(BodyList(state(), 1)); };
    ASSERT_GT(whole().size(), 2000);
    // Laid out and drawn: only a head that fills the box, from the train's head cell.
    EXPECT_TRUE(whole().startsWith(worm.text()));
    EXPECT_LT(worm.text().size(), 300);
    EXPECT_GE(worm.fontMetrics().horizontalAdvance(worm.text()), worm.textWidth());
    EXPECT_TRUE(worm.text().startsWith(QString::number(train(1).HeadPos) + " - "));
    EXPECT_EQ(worm.cursorPosition(), 0);

    // While a screen reader runs, the box holds all of it.
    QAccessible::setActive(true);
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&worm);
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->text(QAccessible::Value), whole());
    EXPECT_EQ(reader->text(QAccessible::Name), "Train 1 cells");
    ASSERT_NE(reader->textInterface(), nullptr);
    EXPECT_EQ(reader->textInterface()->characterCount(), whole().size());
    EXPECT_EQ(reader->textInterface()->text(3470, whole().size()), whole().mid(3470));
    QAccessible::setActive(false);
    EXPECT_LT(worm.text().size(), 300);

    // A user in the box reaches its end with the keys, and selects back to its start.
    overview().show();
    overview().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&overview()));
    QTest::mouseClick(&worm, Qt::LeftButton);
    ASSERT_TRUE(worm.hasFocus());
    QTest::keyPress(&worm, Qt::Key_End);
    EXPECT_EQ(worm.cursorPosition(), whole().size());
    EXPECT_EQ(state().KeyDownCode, 35) << "the key is held for the trains all the same";
    QTest::keyRelease(&worm, Qt::Key_End);
    QTest::keyClick(&worm, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(worm.selectedText(), whole());
    control<TextBox>(overview(), QStringLiteral("txtKeyDown")).setFocus();
    EXPECT_LT(worm.text().size(), 300);
}

TEST_F(OverviewWindowTest, RefreshesEveryTenthOfASecondWhileHidden) {
    OverviewWindow& window = overview();
    window.hide();
    const auto& timer = control<QTimer>(window, QStringLiteral("Timer1"));
    EXPECT_TRUE(timer.isActive());
    EXPECT_EQ(timer.interval(), 100);
    // Shown from the start, before the first tick.
    EXPECT_EQ(field("txtTrainPosition", 0), "501");

    QTest::keyPress(&trainControl(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([this] { return field("txtKeyDown") == "37"; }, 1000));
    QTest::keyRelease(&trainControl(), Qt::Key_Left);
    EXPECT_TRUE(QTest::qWaitFor([this] { return field("txtKeyDown") == "0"; }, 1000));
    EXPECT_FALSE(window.isVisible());
}

TEST_F(OverviewWindowTest, CloseHidesItAndOverviewBringsItBackWhereItWas) {
    clickOverviewButton();
    OverviewWindow& window = *program().overview();
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), twipsRect(1000, 7950, 0, 0).topLeft());
    clickOverviewButton();
    EXPECT_TRUE(window.isVisible());

    window.move(300, 200);
    QTest::mouseClick(&control<QPushButton>(window, QStringLiteral("cmdClose")), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(program().overview(), &window);

    program().driver().takeStep(0);
    clickOverviewButton();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(300, 200));
    EXPECT_TRUE(QTest::qWaitFor([this] { return field("txtTrainPosition", 0) == "24"; }, 1000));
}

TEST_F(OverviewWindowTest, OneTheWindowSystemDestroyedComesBackAtTheNextPress) {
    restartWith("[frmOverview]\nLeft=600\nTop=1200\n");
    clickOverviewButton();
    QPointer<OverviewWindow> lost = program().overview();
    lost->move(300, 200);
    program().forgetLostWindow(lost);
    EXPECT_TRUE(lost.isNull());

    program().driver().takeStep(0);
    clickOverviewButton();
    OverviewWindow& back = *program().overview();
    EXPECT_TRUE(back.isVisible());
    // Made again: at its stored place, showing the trains as they stand.
    EXPECT_EQ(back.pos(), QPoint(40, 80));
    EXPECT_EQ(field("txtTrainPosition", 0), "24");
    // The other windows are not the overview: they stay.
    QPointer<QWidget> mainWindow = &trackMap();
    program().forgetLostWindow(mainWindow);
    EXPECT_FALSE(mainWindow.isNull());
    EXPECT_EQ(program().overview(), &back);
}

TEST_F(OverviewWindowTest, ItsKeysGoToTheHeldKeyCodeAndNowhereElse) {
    clickOverviewButton();
    QWidget* focused = overview().focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_EQ(focused->objectName(), "txtTrainCount");
    QTest::keyPress(focused, Qt::Key_Up);
    EXPECT_EQ(state().KeyDownCode, 38);
    QTest::keyPress(focused, Qt::Key_Tab);
    EXPECT_EQ(state().KeyDownCode, 9);
    QTest::keyRelease(focused, Qt::Key_Up);
    EXPECT_EQ(state().KeyDownCode, 0);
    EXPECT_EQ(overview().focusWidget(), focused);
}

TEST_F(OverviewWindowTest, TheFocusOrderRunsAsDesigned) {
    QStringList order;
    QWidget* widget = &control<TextBox>(overview(), QStringLiteral("txtTrainCount"));
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
    OverviewWindow& window = overview();
    EXPECT_EQ(window.windowTitle(), "Overview");
    EXPECT_EQ(window.size(), twipsRect(0, 0, 6600, 2355).size());
    EXPECT_EQ(window.palette().color(QPalette::Window), QColor(255, 192, 128));
    QStringList captions;
    for (const char* name : {"Label2", "Label3", "Label4", "Label5", "Label9", "Label6", "Label7",
                             "Label8", "Label1"}) {
        captions << control<QLabel>(window, QString::fromLatin1(name)).text();
    }
    EXPECT_EQ(captions,
              QStringList({"Speed", "Pos", "Clr", "Len", "Worm", "0", "1", "2", "TrainCount"}));
    EXPECT_EQ(control<QPushButton>(window, QStringLiteral("cmdClose")).text(), "Close");
}

} // namespace
