#include "app/Shutdown.h"

#include "app/Settings.h"
#include "ui/OverviewWindow.h"
#include "ui/TrackMapWindow.h"
#include "ui/TrainControlWindow.h"
#include "ui/Windows.h"

#include <cstdio>
#include <cstdlib>

std::optional<QString> SaveSettings() {
    // An overview that was never opened is loaded here, hidden, so its stored or default
    // place is written back unchanged.
    const WindowPlaces places{
        .overviewLeft = frmOverview().leftTwips(),
        .overviewTop = frmOverview().topTwips(),
        .trackMapLeft = frmTrackMap().leftTwips(),
        .trackMapTop = frmTrackMap().topTwips(),
        .trainControlLeft = frmTrainControl().leftTwips(),
        .trainControlTop = frmTrainControl().topTwips(),
        .trainControlHeight = frmTrainControl().heightTwips(),
    };
    SettingsStore store;
    WriteQuitSettings(store, programState(), places);
    if (const auto failure = store.flush()) {
        return QStringLiteral("could not save the settings to %1: %2")
            .arg(store.fileName(), *failure);
    }
    return std::nullopt;
}

void SaveSettingsAndQuit() {
    const auto failure = SaveSettings();
    if (failure) {
        std::fprintf(stderr, "varnok: %s\n", failure->toLocal8Bit().constData());
    }
    std::fflush(stdout);
    std::fflush(stderr);
    // Ends here rather than through the event loop, which would still deliver the timer ticks
    // already due in its current pass: after Quit no handler of the program runs.
    std::_Exit(failure ? EXIT_FAILURE : EXIT_SUCCESS);
}
