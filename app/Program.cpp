#include "app/Program.h"

#include "app/Settings.h"
#include "base/TextConversions.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackView.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

SharedState startingState(SettingsStore& store) {
    store.removeLeftovers();
    SharedState state;
    LoadSettings(store, state);
    return state;
}

PlaceTwips readPlace(SettingsStore& store, const WindowPlaceKeys& keys) {
    const QString section = QString::fromLatin1(keys.section);
    const float left = store.readSingle(section, QStringLiteral("Left"), keys.defaultLeft);
    const float top = store.readSingle(section, QStringLiteral("Top"), keys.defaultTop);
    return {left, top};
}

StoredPlace storedPlace(const WindowPlaceKeys& keys, PlaceTwips stored) {
    return StoredPlace(keys.section, stored, {keys.defaultLeft, keys.defaultTop});
}

// The train control window's place. Its Height always shows the rows of the trains in use:
// a stored Height that does not is reported, and not used.
StoredPlace trainControlPlace(SettingsStore& store, std::int32_t trainCount) {
    const PlaceTwips place = readPlace(store, kTrainControlPlace);
    const float fitting = TrainControlWindow::heightForTrains(trainCount);
    const float stored = store.readSingle(QString::fromLatin1(kTrainControlPlace.section),
                                          QStringLiteral("Height"), fitting);
    if (stored != fitting) {
        std::fprintf(stderr,
                     "varnok: settings: [%s] Height = %s does not fit the rows of TrainCount = "
                     "%d; using %s\n",
                     kTrainControlPlace.section, singleToText(stored).c_str(), trainCount,
                     singleToText(fitting).c_str());
    }
    return storedPlace(kTrainControlPlace, place);
}

} // namespace

Program::Program(const Clock& clock)
    : m_model(startingState(m_store)), m_driver(m_model, m_cells, clock), m_keyPreview(m_model),
      m_trackMap(m_model, m_cells, storedPlace(kTrackMapPlace, readPlace(m_store, kTrackMapPlace))),
      m_trainControl(m_model, trainControlPlace(m_store, m_model.state().TrainCount)),
      m_overviewPlace(readPlace(m_store, kOverviewPlace)) {
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
        m_overview =
            std::make_unique<OverviewWindow>(m_model, storedPlace(kOverviewPlace, m_overviewPlace));
        m_keyPreview.addWindow(*m_overview);
    }
    return *m_overview;
}

void Program::forgetLostWindow(QWidget* window) {
    if (m_overview.get() == window) {
        m_overview.reset();
    }
}

std::optional<QString> Program::saveSettings() {
    m_model.catchUp();
    // An overview that was never opened is made here, hidden, so its stored or default place
    // is written back as it would have opened.
    const OverviewWindow& overview = madeOverview();
    const WindowPlaces places{
        .overviewLeft = overview.leftTwips(),
        .overviewTop = overview.topTwips(),
        .trackMapLeft = m_trackMap.leftTwips(),
        .trackMapTop = m_trackMap.topTwips(),
        .trainControlLeft = m_trainControl.leftTwips(),
        .trainControlTop = m_trainControl.topTwips(),
        .trainControlHeight = m_trainControl.heightTwips(),
    };
    WriteQuitSettings(m_store, m_model.state(), places);
    if (const auto failure = m_store.flush()) {
        return QStringLiteral("could not save the settings to %1: %2")
            .arg(m_store.fileName(), *failure);
    }
    return std::nullopt;
}

void Program::SaveSettingsAndQuit() {
    const auto failure = saveSettings();
    if (failure) {
        std::fprintf(stderr, "varnok: %s\n", failure->toLocal8Bit().constData());
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // Ends here rather than through the event loop, which would still deliver the timer ticks
    // already due in its current pass: after Quit no handler of the program runs.
    std::_Exit(failure ? EXIT_FAILURE : EXIT_SUCCESS);
}
