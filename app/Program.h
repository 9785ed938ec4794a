#pragma once

#include "app/DriveRecorder.h"
#include "app/SettingsStore.h"
#include "track/TrackCells.h"
#include "ui/KeyPreview.h"
#include "ui/LostWindows.h"
#include "ui/StoredPlace.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/TrainDriver.h"
#include "ui/TrainModel.h"

#include <QObject>

#include <memory>
#include <optional>

class Clock;
class OverviewWindow;
class QWidget;

// The running program. It reads the user's settings once, builds the model, the train driver
// and the windows from them, and wires them together; no other part knows all of them. At
// Quit it collects the places of the windows and the values of the model, saves them once
// and ends.
//
// An overview is made at the first press of Overview, or at Quit when it never was, and reads
// its place from the file as it then stands. One that the window system destroys from outside
// is forgotten, and the next press makes it again at its stored place, read again. A track
// map or train control window destroyed that way is not brought back: the program then has no
// Quit to reach, and ends only with a signal.
class Program final : public QObject {
    Q_OBJECT

public:
    // Reads the settings, warning of what it cannot use, removes what killed saves left
    // beside the file, and builds everything, to run on `clock`. Nothing shows yet.
    explicit Program(const Clock& clock);
    // A run from a drive's start state: the user's settings are neither read nor written, and
    // the windows open at their default places.
    Program(const Clock& clock, const SharedState& start);
    ~Program() override;
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the track map and the train control window, as a start does.
    void show();
    // Brings the program's shown windows to the front, as a second start asks.
    void showWindowsInFront();
    // Shows the overview, making it first if there is none. A shown overview comes to the
    // front; a hidden one comes back where it was.
    void showOverview();

    // The saving half of Quit: writes the eleven values that outlive a run. Returns what went
    // wrong, or nothing when the file holds the values.
    std::optional<FileFault> saveSettings();
    // Quit: saves, and ends the program at once, with a non-zero status when the values
    // could not be written. A run from a drive's start saves nothing; a recorded one writes
    // the drive's end.
    [[noreturn]] void SaveSettingsAndQuit();

    // Records the run from here on with `recorder`.
    void recordTo(std::unique_ptr<DriveRecorder> recorder);

    // The window system destroyed `window` without being asked: an overview is forgotten,
    // and the next press of Overview makes it again.
    void forgetLostWindow(QWidget* window);

    TrainModel& model() { return m_model; }
    TrainDriver& driver() { return m_driver; }
    const TrackCells& cells() const { return m_cells; }
    TrackMapWindow& trackMap() { return m_trackMap; }
    TrainControlWindow& trainControl() { return m_trainControl; }
    // The overview, or none before the first press of Overview.
    OverviewWindow* overview() { return m_overview.get(); }

private:
    Program(const Clock& clock, const std::optional<SharedState>& driveStart);
    OverviewWindow& madeOverview();

    bool m_keepsSettings;
    SettingsStore m_store;
    TrainModel m_model;
    TrackCells m_cells;
    TrainDriver m_driver;
    KeyPreview m_keyPreview;
    LostWindowWatch m_lostWindows;
    TrackMapWindow m_trackMap;
    TrainControlWindow m_trainControl;
    std::unique_ptr<OverviewWindow> m_overview;
    std::unique_ptr<DriveRecorder> m_recorder;
};
