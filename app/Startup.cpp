#include "app/Startup.h"

#include "app/Settings.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/Windows.h"

void Main() {
    SettingsStore store;
    LoadSettings(store, programState());
    frmTrackMap().show();
    frmTrainControl().show();
}
