#pragma once

// Every window exists once. Each use goes through its accessor, which creates and loads the
// window the first time; loading never shows it.

class OverviewWindow;
class TrackMapWindow;
class TrainControlWindow;
class QWidget;

TrackMapWindow& frmTrackMap();
TrainControlWindow& frmTrainControl();
OverviewWindow& frmOverview();

// Destroys every window, before the application object goes. The next use of a window loads
// it again, in its design state.
void unloadWindows();

// The window system destroyed `window` without being asked. An overview is unloaded: its
// next use loads it again, and Overview shows it at its stored place. The track map and the
// train control window are left as they are.
void windowLost(QWidget& window);
