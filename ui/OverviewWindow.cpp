#include "ui/OverviewWindow.h"

#include "ui/DesignUnits.h"
#include "ui/KeyPreview.h"
#include "ui/WindowDesign.h"

namespace {

constexpr Colour kBackground = 0x80C0FF; // red 255, green 192, blue 128

} // namespace

OverviewWindow::OverviewWindow() {
    applyWindowDesign(*this, QStringLiteral("frmOverview"), tr("Overview"), kBackground);
    installKeyPreview(*this);
    setFixedSize(twipsRect(0, 0, 6600, 2355).size());
    Load();
}

void OverviewWindow::Load() {
    SettingsStore store;
    m_place.emplace(store, kOverviewPlace);
    m_place->moveWindow(*this);
}
