#pragma once

// Every window exists once. Each use goes through its accessor, which creates and loads the
// window the first time; loading never shows it.

class OverviewWindow;
class TrackMapWindow;
class TrainControlWindow;

TrackMapWindow& frmTrackMap();
TrainControlWindow& frmTrainControl();
OverviewWindow& frmOverview();

// Destroys every window, before the application object goes. The next use of a window loads
// it again, in its design state.
void unloadWindows();
