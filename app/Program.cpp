#include "app/Program.h"

#include "app/Settings.h"
#include "app/SettingsPath.h"
#include "app/SettingsReport.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackView.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

SharedState startingState(SettingsStore& store) {
    store.removeLeftovers();
    reportSettings(strayLines(store));
    SharedState state;
    reportSettings(LoadSettings(store, state));
    return state;
}

} // namespace

Program::Program(const Clock& clock) : Program(clock, std::nullopt) {}

Program::Program(const Clock& clock, const SharedState& start)
    : Program(clock, std::optional<SharedState>(start)) {}

// A drive's run has a store of no file: it reads nothing, and Quit does not save it.
Program::Program(const Clock& clock, const std::optional<SharedState>& driveStart)
    : m_keepsSettings(!driveStart),
      m_store(driveStart ? std::string() : QFile::encodeName(settingsFilePath()).toStdString()),
      m_model(driveStart ? *driveStart : startingState(m_store)), m_driver(m_model, m_cells, clock),
      m_keyPreview(m_model),
      m_trackMap(m_model, m_cells, storedPlace(m_store, kTrackMapSection, m_model.state())),
      m_trainControl(m_model, storedPlace(m_store, kTrainControlSection, m_model.state())) {
    m_keyPreview.addWindow(m_trackMap);
    m_keyPreview.addWindow(m_trainControl);
    connect(&m_driver, &TrainDriver::frameDue, &m_trackMap.trackView(), &TrackView::showFrame);
    connect(&m_trackMap, &TrackMapWindow::quitRequested, this, &Program::SaveSettingsAndQuit);
    connect(&m_trackMap, &TrackMapWindow::overviewRequested, this, &Program::showOverview);
    connect(&m_trainControl, &TrainControlWindow::quitRequested, this,
            &Program::SaveSettingsAndQuit);
    connect(&m_lostWindows, &LostWindowWatch::windowLost, this, &Program::forgetLostWindow);
}

Program::~Program() = default;

void Program::show() {
    m_trackMap.show();
    m_trainControl.show();
}

void Program::showWindowsInFront() {
    std::vector<QWidget*> windows = {&m_trackMap, &m_trainControl};
    if (m_overview && m_overview->isVisible()) {
        windows.push_back(m_overview.get());
    }
    for (QWidget* window : windows) {
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->show();
        window->raise();
        window->activateWindow();
    }
}

// Modeless and without an owner.
void Program::showOverview() {
    OverviewWindow& overview = madeOverview();
    overview.show();
    overview.raise();
    overview.activateWindow();
}

OverviewWindow& Program::madeOverview() {
    if (!m_overview) {
        // The overview loads now: it reads its place from the file as it stands.
        m_store.reread();
        m_overview = std::make_unique<OverviewWindow>(
            m_model, storedPlace(m_store, kOverviewSection, m_model.state()));
        m_keyPreview.addWindow(*m_overview);
    }
    return *m_overview;
}

void Program::forgetLostWindow(QWidget* window) {
    if (m_overview.get() == window) {
        m_overview.reset();
    }
}

std::optional<FileFault> Program::saveSettings() {
    m_model.catchUp();
    // An overview that was never opened is made here, hidden, so its stored or default place
    // is written back as it would have opened.
    const OverviewWindow& overview = madeOverview();
    KeptValues values;
    values.state = m_model.state();
    values.overview = {overview.leftTwips(), overview.topTwips()};
    values.trackMap = {m_trackMap.leftTwips(), m_trackMap.topTwips()};
    values.trainControl = {m_trainControl.leftTwips(), m_trainControl.topTwips()};
    values.trainControlHeight = m_trainControl.heightTwips();
    WriteQuitSettings(m_store, values);
    return m_store.flush();
}

void Program::recordTo(std::unique_ptr<DriveRecorder> recorder) {
    m_recorder = std::move(recorder);
    m_recorder->follow(m_model, m_driver, m_cells);
}

void Program::SaveSettingsAndQuit() {
    if (m_recorder) {
        m_model.catchUp();
        m_recorder->finish(m_driver.time(), runStateOf(m_model.state(), m_cells));
    }
    const auto failure = m_keepsSettings ? saveSettings() : std::nullopt;
    if (failure) {
        reportSettings(NotSaved{m_store.path(), *failure});
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // Ends here rather than through the event loop, which would still deliver the timer ticks
    // already due in its current pass: after Quit no handler of the program runs.
    std::_Exit(failure ? EXIT_FAILURE : EXIT_SUCCESS);
}
