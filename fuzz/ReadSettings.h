#pragma once

#include "FuzzCheck.h"
#include "app/Settings.h"

#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// The settings file of a fuzz input.
inline void writeSettingsFile(const std::string& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), std::streamsize(text.size()));
    require(file.good(), "the scratch settings file cannot be written");
}

// Everything the store holds, as a run that opens the overview reads it, and every warning of
// that run: the file's stray lines, then each section's values.
inline std::vector<SettingsWarning> readEverything(const SettingsStore& store, KeptValues& values) {
    std::vector<SettingsWarning> warnings = strayLines(store);
    for (const std::string_view section :
         {kGlobalsSection, kTrackMapSection, kTrainControlSection, kOverviewSection}) {
        for (SettingsWarning& warning : readSection(store, section, values)) {
            warnings.push_back(std::move(warning));
        }
    }
    return warnings;
}
