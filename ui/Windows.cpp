#include "ui/Windows.h"

#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"

#include <memory>

namespace {

struct LoadedWindows {
    std::unique_ptr<TrackMapWindow> trackMap;
    std::unique_ptr<TrainControlWindow> trainControl;
    std::unique_ptr<OverviewWindow> overview;
};

LoadedWindows& loaded() {
    static LoadedWindows windows;
    return windows;
}

template <typename Window>
Window& loadOnFirstUse(std::unique_ptr<Window>& window) {
    if (!window) {
        window = std::make_unique<Window>();
    }
    return *window;
}

} // namespace

TrackMapWindow& frmTrackMap() {
    return loadOnFirstUse(loaded().trackMap);
}
TrainControlWindow& frmTrainControl() {
    return loadOnFirstUse(loaded().trainControl);
}
OverviewWindow& frmOverview() {
    return loadOnFirstUse(loaded().overview);
}

void windowLost(QWidget& window) {
    std::unique_ptr<OverviewWindow>& overview = loaded().overview;
    if (overview.get() == &window) {
        overview.reset();
    }
}

void unloadWindows() {
    LoadedWindows& windows = loaded();
    windows.overview.reset();
    windows.trainControl.reset();
    windows.trackMap.reset();
}
