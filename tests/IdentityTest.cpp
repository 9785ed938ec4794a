#include "app/Identity.h"

#include "StartedProgram.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

#include <gtest/gtest.h>

namespace {

class IdentityTest : public StartedProgram {
protected:
    IdentityTest() { setProgramIdentity(); }
    ~IdentityTest() override { QApplication::setWindowIcon(QIcon()); }
};

TEST_F(IdentityTest, EveryWindowCarriesTheDrawnIconAtEverySize) {
    for (QWidget* window :
         std::initializer_list<QWidget*>{&trackMap(), &trainControl(), &overview()}) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QIcon icon = window->windowIcon();
        ASSERT_FALSE(icon.isNull());
        for (const int side : {16, 32, 48, 256}) {
            EXPECT_TRUE(icon.availableSizes().contains(QSize(side, side))) << side;
        }
        // At 64 pixels: the frame's lavender inside the purple border, the left junction's
        // yellow cell, and a transparent corner outside the rounded frame.
        const QImage picture = icon.pixmap(64, 64).toImage();
        EXPECT_EQ(picture.pixelColor(32, 6), QColor(192, 192, 255));
        EXPECT_EQ(picture.pixelColor(1, 32), QColor(127, 0, 254));
        EXPECT_EQ(picture.pixelColor(10, 32), QColor(255, 255, 0));
        EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
    }
}

} // namespace
