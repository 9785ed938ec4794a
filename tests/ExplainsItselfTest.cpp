#include "StartedProgram.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <functional>

// Every mouse action of the train control window shows in a tip where it acts, and a screen
// reader finds every control of every window by a name.

namespace {

class ExplainsItselfTest : public StartedProgram {
protected:
    ~ExplainsItselfTest() override { QToolTip::hideText(); }

    // The tip shown when the pointer rests on `point` of the train control window: the help
    // event goes to the control under the pointer and on up to the window, as Qt sends it.
    QString tipAt(QPoint point) {
        TrainControlWindow& window = trainControl();
        QWidget* under = window.childAt(point);
        QWidget* receiver = under != nullptr ? under : &window;
        QHelpEvent event(QEvent::ToolTip, receiver->mapFrom(&window, point),
                         window.mapToGlobal(point));
        QApplication::sendEvent(receiver, &event);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }

    QRect placeOf(const char* name) {
        return control<QWidget>(trainControl(), QString::fromLatin1(name)).geometry();
    }

    // Every element of the window's accessibility tree that a screen reader can reach.
    static void forEachAccessible(QWidget& window,
                                  const std::function<void(QAccessibleInterface&)>& visit) {
        std::function<void(QAccessibleInterface*)> walk = [&](QAccessibleInterface* node) {
            // Qt's own inner part of a text box is not a control of its own.
            if (node->state().invisible ||
                node->object()->objectName() == QStringLiteral("qt_scrollarea_viewport")) {
                return;
            }
            visit(*node);
            for (int k = 0; k < node->childCount(); ++k) {
                walk(node->child(k));
            }
        };
        walk(QAccessible::queryAccessibleInterface(&window));
    }
};

TEST_F(ExplainsItselfTest, EveryTrainControlShowsWhatAClickDoes) {
    trainControl().show();
    // Three trains, so that every row lies inside the window.
    QTest::mouseClick(&trainControl(), Qt::LeftButton, {}, QPoint(3, 40));
    QTest::mouseClick(&trainControl(), Qt::LeftButton, {}, QPoint(3, 40));
    for (int i = 0; i < kTrainSlots; ++i) {
        SCOPED_TRACE("train " + std::to_string(i));
        const auto row = [i](const char* name) { return name + std::to_string(i); };
        EXPECT_EQ(tipAt(placeOf(row("txtTrainColor").c_str()).center()),
                  QStringLiteral("Click: next colour"));
        EXPECT_EQ(tipAt(placeOf(row("txtTrainLength").c_str()).center()),
                  QStringLiteral("Click: longer, Shift+click: shorter"));
        EXPECT_EQ(tipAt(placeOf(row("HScrollTrainSpeed").c_str()).center()),
                  QStringLiteral("Drag or click: this train's pace, from 0 (stopped) to 100"));
        EXPECT_EQ(tipAt(placeOf(row("txtTrainSpeed").c_str()).center()),
                  QStringLiteral("Speed, set by the throttle"));
    }
}

TEST_F(ExplainsItselfTest, TheBackgroundTipShowsOnlyWhereAPressAddsOrRemovesATrain) {
    trainControl().show();
    const QString background = QStringLiteral("Click: add a train, Shift+click: remove one");
    EXPECT_EQ(tipAt(QPoint(3, 40)), background);
    // A row box takes no mouse input: a press on it is a press on the window.
    const QRect rowBox = placeOf("boxTrainControl0");
    EXPECT_EQ(tipAt(rowBox.topLeft() + QPoint(2, 2)), background);
    // A press on a heading does nothing, and no tip shows there. A hidden tip fades out first.
    QToolTip::hideText();
    ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 2000));
    EXPECT_EQ(tipAt(placeOf("Label5").center()), QString());
    EXPECT_EQ(trainControl().accessibleDescription(), background);
}

TEST_F(ExplainsItselfTest, AScreenReaderFindsEveryControlByName) {
    overview().show();
    QTest::mouseClick(&trainControl(), Qt::LeftButton, {}, QPoint(3, 40));
    QTest::mouseClick(&trainControl(), Qt::LeftButton, {}, QPoint(3, 40));
    for (QWidget* window :
         std::initializer_list<QWidget*>{&trackMap(), &trainControl(), &overview()}) {
        SCOPED_TRACE(window->objectName().toStdString());
        int named = 0;
        forEachAccessible(*window, [&](QAccessibleInterface& node) {
            const QString name = node.text(QAccessible::Name);
            EXPECT_FALSE(name.trimmed().isEmpty())
                << "role " << node.role() << " of " << node.object()->objectName().toStdString();
            named += name.isEmpty() ? 0 : 1;
        });
        EXPECT_GT(named, 3);
    }
    const auto nameOf = [](QWidget& window, const char* control) {
        auto* widget = window.findChild<QWidget*>(QString::fromLatin1(control));
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf(trainControl(), "HScrollTrainSpeed0"), QStringLiteral("Train 0 throttle"));
    EXPECT_EQ(nameOf(trainControl(), "txtTrainColor2"), QStringLiteral("Train 2 colour"));
    EXPECT_EQ(nameOf(trainControl(), "txtTrainLength1"), QStringLiteral("Train 1 length"));
    EXPECT_EQ(nameOf(overview(), "txtKeyDown"), QStringLiteral("Held key code"));
    EXPECT_EQ(nameOf(overview(), "txtWorm1"), QStringLiteral("Train 1 cells"));
    EXPECT_EQ(nameOf(trackMap(), "cmdQuit"), QStringLiteral("Quit"));
    // A screen reader reads a control's tip as its description.
    EXPECT_EQ(QAccessible::queryAccessibleInterface(
                  trainControl().findChild<QWidget*>(QStringLiteral("txtTrainColor0")))
                  ->text(QAccessible::Description),
              QStringLiteral("Click: next colour"));
}

} // namespace
