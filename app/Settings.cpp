#include "app/Settings.h"

#include "app/SettingsReport.h"
#include "base/TextConversions.h"
#include "sim/Palette.h"
#include "track/TrackLayout.h"
#include "ui/TrainControlWindow.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Where each value goes, and where Quit takes it from.
template <auto Field>
std::int32_t& global(KeptValues& values) {
    return values.state.*Field;
}
template <std::size_t Train, auto Field>
auto& train(KeptValues& values) {
    return values.state.TrainData[Train].*Field;
}
template <auto Window, auto Axis>
float& place(KeptValues& values) {
    return (values.*Window).*Axis;
}
float& trainControlHeight(KeptValues& values) {
    return values.trainControlHeight;
}

using Train = TrainRecord;
using Place = PlaceTwips;
constexpr std::int32_t kMaxLong = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMinLong = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kLastColor = kPaletteSize - 1;
constexpr std::int32_t kLastTrain = kTrainSlots - 1;

// Start-up reads "Globals" in this order; each window reads its section when it loads, Left
// before Top, the train control window's Height last. A train must start on a node cell: from
// a plain cell it has no run to follow. NodeColor is read and checked like the other colours,
// but node cells keep their design yellow.
const Setting kSettings[] = {
    {kGlobalsSection, "TrainControlled",
     LongSetting{0, 0, kLastTrain, global<&SharedState::ControlledTrain>}},
    {kGlobalsSection, "TrackColor",
     LongSetting{kWhite, 0, kWhite, global<&SharedState::TrackColor>}},
    {kGlobalsSection, "NodeColor", LongSetting{kYellow, 0, kWhite, nullptr}},
    {kGlobalsSection, "TrainCount",
     LongSetting{1, 1, kTrainSlots, global<&SharedState::TrainCount>}, 1},
    {kGlobalsSection, "TrainColor0", LongSetting{3, 0, kLastColor, train<0, &Train::ColorIndex>},
     9},
    {kGlobalsSection, "TrainColor1", LongSetting{4, 0, kLastColor, train<1, &Train::ColorIndex>},
     10},
    {kGlobalsSection, "TrainColor2", LongSetting{5, 0, kLastColor, train<2, &Train::ColorIndex>},
     11},
    {kGlobalsSection, "TrainLength0", LongSetting{5, 0, kBodyCapacity, train<0, &Train::Length>}},
    {kGlobalsSection, "TrainLength1", LongSetting{5, 0, kBodyCapacity, train<1, &Train::Length>}},
    {kGlobalsSection, "TrainLength2", LongSetting{5, 0, kBodyCapacity, train<2, &Train::Length>}},
    {kGlobalsSection, "HeadPos0",
     LongSetting{501, kFirstNode, kLastNode, train<0, &Train::HeadPos>}},
    {kGlobalsSection, "HeadPos1",
     LongSetting{502, kFirstNode, kLastNode, train<1, &Train::HeadPos>}},
    {kGlobalsSection, "HeadPos2",
     LongSetting{503, kFirstNode, kLastNode, train<2, &Train::HeadPos>}},
    {kGlobalsSection, "Ctrl0", FlagSetting{true, train<0, &Train::Ctrl>}},
    {kGlobalsSection, "Ctrl1", FlagSetting{false, train<1, &Train::Ctrl>}},
    {kGlobalsSection, "Ctrl2", FlagSetting{false, train<2, &Train::Ctrl>}},
    {kGlobalsSection, "Speed0", LongSetting{0, kMinLong, kMaxLong, train<0, &Train::Speed>}},
    {kGlobalsSection, "Speed1", LongSetting{0, kMinLong, kMaxLong, train<1, &Train::Speed>}},
    {kGlobalsSection, "Speed2", LongSetting{0, kMinLong, kMaxLong, train<2, &Train::Speed>}},
    {kTrackMapSection, "Left", SingleSetting{1000, place<&KeptValues::trackMap, &Place::left>}, 4},
    {kTrackMapSection, "Top", SingleSetting{1110, place<&KeptValues::trackMap, &Place::top>}, 5},
    {kTrainControlSection, "Left",
     SingleSetting{1000, place<&KeptValues::trainControl, &Place::left>}, 6},
    {kTrainControlSection, "Top",
     SingleSetting{5650, place<&KeptValues::trainControl, &Place::top>}, 7},
    {kTrainControlSection, "Height",
     SingleSetting{1360, trainControlHeight, global<&SharedState::TrainCount>,
                   TrainControlWindow::heightForTrains},
     8},
    {kOverviewSection, "Left", SingleSetting{1000, place<&KeptValues::overview, &Place::left>}, 2},
    {kOverviewSection, "Top", SingleSetting{7950, place<&KeptValues::overview, &Place::top>}, 3},
};

// The key whose value goes to `target`.
const Setting& settingOf(std::int32_t& (*target)(KeptValues&)) {
    return *std::find_if(std::begin(kSettings), std::end(kSettings), [&](const Setting& setting) {
        const auto* value = std::get_if<LongSetting>(&setting.value);
        return value != nullptr && value->target == target;
    });
}

// One key read into `values`: the stored value when it converts and lies in its range, or else
// the fallback, with a warning.
class Reader {
public:
    Reader(const SettingsStore& store, KeptValues& values, std::vector<SettingsWarning>& warnings)
        : m_store(store), m_values(values), m_warnings(warnings) {}

    void read(const Setting& setting) {
        m_setting = &setting;
        m_stored = m_store.value(setting.section, setting.key);
        std::visit(*this, setting.value);
    }

    void operator()(const LongSetting& whole) {
        std::int32_t value = whole.fallback;
        if (const auto read = convert(textToLong)) {
            if (*read >= whole.min && *read <= whole.max) {
                value = *read;
            } else {
                reject(RejectedValue::Why::OutOfRange, longToText(value), whole.min, whole.max);
            }
        } else if (m_stored) {
            reject(RejectedValue::Why::NotWholeNumber, longToText(value));
        }
        if (whole.target != nullptr) {
            whole.target(m_values) = value;
        }
    }

    void operator()(const FlagSetting& flag) {
        const auto read = convert(textToBoolean);
        if (!read && m_stored) {
            reject(RejectedValue::Why::NotTrueOrFalse, flag.fallback ? "True" : "False");
        }
        flag.target(m_values) = read.value_or(flag.fallback);
    }

    void operator()(const SingleSetting& single) {
        float fallback = single.fallback;
        std::optional<std::int32_t> by;
        if (single.required != nullptr) {
            by = single.requiredBy(m_values);
            fallback = single.required(*by);
        }
        const auto read = convert(textToSingle);
        if (!read && m_stored) {
            reject(RejectedValue::Why::NotFiniteNumber, singleToText(fallback));
        } else if (read && by && *read != fallback) {
            RejectedValue rejected =
                rejection(RejectedValue::Why::DoesNotFit, singleToText(fallback));
            rejected.text = singleToText(*read);
            rejected.fits = settingOf(single.requiredBy).key;
            rejected.fitsValue = longToText(*by);
            m_warnings.push_back(rejected);
        }
        single.target(m_values) = read && !by ? *read : fallback;
    }

private:
    template <typename T>
    std::optional<T> convert(std::optional<T> (*conversion)(std::string_view)) const {
        if (!m_stored || m_stored->isList) {
            return std::nullopt;
        }
        return conversion(m_stored->text);
    }

    RejectedValue rejection(RejectedValue::Why why, std::string used) const {
        RejectedValue rejected;
        rejected.section = m_setting->section;
        rejected.key = m_setting->key;
        rejected.text = m_stored ? m_stored->text : std::string();
        rejected.why = why;
        rejected.used = std::move(used);
        return rejected;
    }

    void reject(RejectedValue::Why why, std::string used, std::int32_t min = 0,
                std::int32_t max = 0) {
        RejectedValue rejected = rejection(why, std::move(used));
        rejected.min = min;
        rejected.max = max;
        m_warnings.push_back(rejected);
    }

    const SettingsStore& m_store;
    KeptValues& m_values;
    std::vector<SettingsWarning>& m_warnings;
    const Setting* m_setting = nullptr;
    std::optional<StoredValue> m_stored;
};

// The place of a window's section as a StoredPlace, with its table's defaults.
StoredPlace placeOf(std::string_view section, const KeptValues& read,
                    PlaceTwips KeptValues::*window) {
    KeptValues defaults;
    for (const Setting& setting : kSettings) {
        if (const auto* single = std::get_if<SingleSetting>(&setting.value);
            single != nullptr && setting.section == section) {
            single->target(defaults) = single->fallback;
        }
    }
    const std::string name(section);
    return StoredPlace(read.*window, defaults.*window,
                       [name](PlaceTwips stored, PlaceTwips used, StoredPlace::PlaceUsed how) {
                           reportSettings(UnreachablePlace{
                               name, singleToText(stored.left), singleToText(stored.top),
                               singleToText(used.left), singleToText(used.top), how});
                       });
}

PlaceTwips KeptValues::*windowOf(std::string_view section) {
    return section == kTrackMapSection       ? &KeptValues::trackMap
           : section == kTrainControlSection ? &KeptValues::trainControl
                                             : &KeptValues::overview;
}

} // namespace

std::span<const Setting> settingsTable() {
    return kSettings;
}

const Setting* settingOf(std::string_view section, std::string_view key) {
    const auto* found =
        std::find_if(std::begin(kSettings), std::end(kSettings), [&](const Setting& setting) {
            return setting.section == section && setting.key == key;
        });
    return found == std::end(kSettings) ? nullptr : found;
}

std::vector<SettingsWarning> strayLines(const SettingsStore& store) {
    std::vector<SettingsWarning> warnings;
    if (const auto& fault = store.readFault()) {
        warnings.push_back(FileNotRead{store.path(), *fault});
    }
    const SettingsDocument& document = store.document();
    if (auto damaged = document.damagedLines(); !damaged.empty()) {
        warnings.push_back(NotSettingLines{store.path(), std::move(damaged)});
    }
    for (RepeatedKey& repeated : document.repeatedKeys()) {
        warnings.push_back(std::move(repeated));
    }
    for (auto& [section, key] : document.keys()) {
        if (settingOf(section, key) == nullptr) {
            warnings.push_back(UnknownKey{std::move(section), std::move(key)});
        }
    }
    return warnings;
}

std::vector<SettingsWarning> readSection(const SettingsStore& store, std::string_view section,
                                         KeptValues& values) {
    std::vector<SettingsWarning> warnings;
    Reader reader(store, values, warnings);
    for (const Setting& setting : kSettings) {
        if (setting.section == section) {
            reader.read(setting);
        }
    }
    return warnings;
}

std::vector<SettingsWarning> LoadSettings(const SettingsStore& store, SharedState& state) {
    KeptValues values;
    auto warnings = readSection(store, kGlobalsSection, values);
    state = values.state;
    state.Palette = BuildPalette();
    return warnings;
}

StoredPlace storedPlace(const SettingsStore& store, std::string_view section,
                        const SharedState& state) {
    KeptValues values;
    values.state = state;
    reportSettings(readSection(store, section, values));
    return placeOf(section, values, windowOf(section));
}

void WriteQuitSettings(SettingsStore& store, const KeptValues& values) {
    std::vector<const Setting*> written;
    for (const Setting& setting : kSettings) {
        if (setting.quitOrder > 0) {
            written.push_back(&setting);
        }
    }
    std::sort(written.begin(), written.end(),
              [](const Setting* a, const Setting* b) { return a->quitOrder < b->quitOrder; });
    // The targets give references; Quit takes the values from a copy.
    KeptValues source = values;
    for (const Setting* setting : written) {
        const std::string text = std::visit(
            [&](const auto& value) -> std::string {
                using Kind = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Kind, LongSetting>) {
                    return longToText(value.target(source));
                } else if constexpr (std::is_same_v<Kind, SingleSetting>) {
                    return singleToText(value.target(source));
                } else {
                    return value.target(source) ? "True" : "False";
                }
            },
            setting->value);
        store.write(setting->section, setting->key, text);
    }
}
