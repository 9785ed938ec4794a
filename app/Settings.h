#pragma once

#include "app/SettingsStore.h"
#include "app/SettingsWarning.h"
#include "sim/SharedState.h"
#include "ui/StoredPlace.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

// What the program keeps in its settings file, as one table: each key with its section, its
// default, its conversion and range, where its value goes, and whether Quit writes it. The
// table alone drives start-up's reads, the windows' reads, the check for keys that are not
// the program's, and the writes at Quit.

// The section of the program-wide values, and those of the windows.
inline constexpr std::string_view kGlobalsSection = "Globals";
inline constexpr std::string_view kTrackMapSection = "frmTrackMap";
inline constexpr std::string_view kTrainControlSection = "frmTrainControl";
inline constexpr std::string_view kOverviewSection = "frmOverview";

// Every value the settings hold: the shared state of start-up, and the windows' measures in
// twips.
struct KeptValues {
    SharedState state;
    PlaceTwips trackMap{};
    PlaceTwips trainControl{};
    float trainControlHeight = 0;
    PlaceTwips overview{};
};

// A Long within min..max.
struct LongSetting {
    std::int32_t fallback;
    std::int32_t min;
    std::int32_t max;
    // Where the value goes; none for a key that is read and checked, and then not used.
    std::int32_t& (*target)(KeptValues&);
};
// True, False, or a number.
struct FlagSetting {
    bool fallback;
    bool& (*target)(KeptValues&);
};
// A finite Single.
struct SingleSetting {
    float fallback;
    float& (*target)(KeptValues&);
    // The value that another setting asks for, which replaces both the fallback and a stored
    // value that differs from it.
    std::int32_t& (*requiredBy)(KeptValues&) = nullptr;
    float (*required)(std::int32_t) = nullptr;
};

struct Setting {
    std::string_view section;
    std::string_view key;
    std::variant<LongSetting, FlagSetting, SingleSetting> value;
    // Quit writes the keys with a place in this order, from 1; 0 is never written.
    int quitOrder = 0;
};

std::span<const Setting> settingsTable();

// The key's row of the table, if the program reads or writes it.
const Setting* settingOf(std::string_view section, std::string_view key);

// What the file says that is no setting of the program: the file itself when it could not be
// read, damaged lines, keys given twice, and keys that are not the program's.
std::vector<SettingsWarning> strayLines(const SettingsStore& store);

// Reads the keys of one section into `values`, in the table's order, each from the store or
// its default; a value that cannot be used takes its default, and is told among the warnings.
std::vector<SettingsWarning> readSection(const SettingsStore& store, std::string_view section,
                                         KeptValues& values);

// Fills the shared state from the "Globals" section, or from the defaults, and builds the
// palette. Values outside what the program relies on are rejected with a warning.
std::vector<SettingsWarning> LoadSettings(const SettingsStore& store, SharedState& state);

// The place of a window as its section holds it, read when the window loads, with what it
// cannot use reported. A place that leaves the window out of reach, found when the window is
// placed, is reported too, and the window opens at its default place. The train control
// window's Height always shows the rows of the trains in use (`state`'s TrainCount): a stored
// Height that does not is reported, and not used.
StoredPlace storedPlace(const SettingsStore& store, std::string_view section,
                        const SharedState& state);

// Writes the values that outlive a run, in their fixed order. Nothing else is written:
// lengths, throttles, head cells and the controlled train start from the store's values or
// the defaults next time.
void WriteQuitSettings(SettingsStore& store, const KeptValues& values);
