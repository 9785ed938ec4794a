#include "ui/TrainControlWindow.h"

#include "app/Shutdown.h"
#include "ui/DesignUnits.h"
#include "ui/WindowDesign.h"

#include <QCloseEvent>

namespace {

constexpr Colour kBackground = 0xC0C000; // red 0, green 192, blue 192
constexpr int kClientWidth = 4035;
// The design frame's caption and borders: the client area is this much lower than Height,
// whatever frame the window manager draws.
constexpr float kFrameHeight = 360;

} // namespace

TrainControlWindow::TrainControlWindow() {
    applyWindowDesign(*this, QStringLiteral("frmTrainControl"), tr("Train Control"), kBackground);
    Load();
}

void TrainControlWindow::Load() {
    SettingsStore store;
    m_place.emplace(store, kTrainControlPlace);
    setHeightTwips(store.readSingle(QString::fromLatin1(kTrainControlPlace.section),
                                    QStringLiteral("Height"), kTrainControlDefaultHeight));
    m_place->moveWindow(*this);
}

void TrainControlWindow::setHeightTwips(float height) {
    m_height = height;
    const int clientHeight = std::max(0, twipsToPixels(double(height) - kFrameHeight));
    setFixedSize(twipsToPixels(kClientWidth), clientHeight);
}

void TrainControlWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    SaveSettingsAndQuit();
}
