#include "app/Startup.h"

#include "app/Settings.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/Windows.h"

#include <vector>

void Main() {
    SettingsStore store;
    store.removeLeftovers();
    LoadSettings(store, programState());
    frmTrackMap().show();
    frmTrainControl().show();
}

void ShowWindowsInFront() {
    std::vector<QWidget*> windows = {&frmTrackMap(), &frmTrainControl()};
    if (frmOverview().isVisible()) {
        windows.push_back(&frmOverview());
    }
    for (QWidget* window : windows) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}
