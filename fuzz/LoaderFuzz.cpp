#include "FuzzCheck.h"
#include "app/Settings.h"
#include "app/SettingsDocument.h"
#include "sim/Palette.h"
#include "track/TrackLayout.h"
#include "ui/TrainControlWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <sanitizer/common_interface_defs.h>
#include <unistd.h>

// Start-up's reading of the settings on any file at all: it never stops, and it always ends
// with every value in the range that the trains and the windows rely on.

namespace {

// Damaged files make the loader warn by the thousand: the warnings go nowhere while it reads,
// the sanitizers' reports still go to the real standard error.
class QuietErrors {
public:
    QuietErrors() {
        std::fflush(stderr);
        m_saved = ::dup(STDERR_FILENO);
        const int nowhere = ::open("/dev/null", O_WRONLY);
        ::dup2(nowhere, STDERR_FILENO);
        ::close(nowhere);
    }
    ~QuietErrors() {
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    int m_saved;
};

void requireWithin(std::int32_t value, std::int32_t min, std::int32_t max, const char* name) {
    require(value >= min && value <= max, std::string(name) + " is " + std::to_string(value) +
                                              ", not in " + std::to_string(min) + ".." +
                                              std::to_string(max));
}

// What Quit does to the file: the values it writes read back, and every key and damaged line
// of the file is still there.
void requireSaveKeepsTheRest(std::string_view text) {
    const SettingsDocument before(text);
    SettingsDocument after(before);
    const std::array<std::array<const char*, 3>, 3> written = {{{"Globals", "TrainCount", "2"},
                                                                {"frmTrackMap", "Left", "-15"},
                                                                {"Globals", "Ctrl7", "1"}}};
    for (const auto& [section, key, value] : written) {
        after.setValue(section, key, value);
    }
    const SettingsDocument reread(after.text());
    for (const auto& [section, key, value] : written) {
        require(reread.value(section, key) == value,
                std::string(section) + "/" + key + " does not read back");
    }
    const auto keys = reread.keys();
    for (const auto& key : before.keys()) {
        require(std::find(keys.begin(), keys.end(), key) != keys.end(),
                "a save lost the key " + key.first + "/" + key.second);
    }
    require(reread.damagedLines().size() == before.damagedLines().size(),
            "a save changed the damaged lines");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    __sanitizer_set_report_fd(reinterpret_cast<void*>(static_cast<std::intptr_t>(::dup(2))));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    QDir().mkpath(folder.path() + QStringLiteral("/Varnok"));
    {
        QFile file(folder.path() + QStringLiteral("/Varnok/Varnok.conf"));
        require(file.open(QIODevice::WriteOnly | QIODevice::Truncate),
                "the scratch settings file cannot be written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));

    SharedState state;
    std::array<float, 7> places{};
    {
        const QuietErrors quiet;
        SettingsStore store;
        LoadSettings(store, state);
        std::size_t p = 0;
        for (const WindowPlaceKeys& keys : {kTrackMapPlace, kTrainControlPlace, kOverviewPlace}) {
            const QString section = QString::fromLatin1(keys.section);
            places[p++] = store.readSingle(section, QStringLiteral("Left"), keys.defaultLeft);
            places[p++] = store.readSingle(section, QStringLiteral("Top"), keys.defaultTop);
        }
        places[p] = store.readSingle(QString::fromLatin1(kTrainControlPlace.section),
                                     QStringLiteral("Height"),
                                     TrainControlWindow::heightForTrains(state.TrainCount));
    }

    requireWithin(state.TrainCount, 1, kTrainSlots, "TrainCount");
    requireWithin(state.ControlledTrain, 0, kTrainSlots - 1, "ControlledTrain");
    requireWithin(state.TrackColor, 0, kWhite, "TrackColor");
    for (const TrainRecord& train : state.TrainData) {
        requireWithin(train.ColorIndex, 0, kPaletteSize - 1, "a ColorIndex");
        requireWithin(train.Length, 0, kBodyCapacity, "a Length");
        require(isNodeCell(train.HeadPos), "a train starts on " + std::to_string(train.HeadPos) +
                                               ", which is not a node cell");
    }
    require(state.Palette == BuildPalette(), "the palette depends on the file");
    for (const float place : places) {
        require(std::isfinite(place), "a window measure is not a finite number");
    }
    requireSaveKeepsTheRest({reinterpret_cast<const char*>(data), size});
    return 0;
}
