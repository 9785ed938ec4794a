#include "FuzzCheck.h"
#include "ReadSettings.h"
#include "app/Settings.h"
#include "app/SettingsDocument.h"
#include "app/SettingsReport.h"
#include "sim/Palette.h"
#include "track/TrackLayout.h"

#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

// Start-up's reading of the settings on any file at all: it never stops, it always ends with
// every value in the range that the trains and the windows rely on, and every warning is one
// line. A save into it keeps every line it does not write.

namespace {

void requireWithin(std::int32_t value, std::int32_t min, std::int32_t max, const char* name) {
    require(value >= min && value <= max, std::string(name) + " is " + std::to_string(value) +
                                              ", not in " + std::to_string(min) + ".." +
                                              std::to_string(max));
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The line end that most lines of `text` have, LF where none has one.
std::string mostLineEnd(std::string_view text) {
    std::array<std::size_t, 3> counts{}; // LF, CRLF, CR
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++counts[0];
        } else if (text[i] == '\r') {
            const bool crlf = i + 1 < text.size() && text[i + 1] == '\n';
            ++counts[crlf ? 1 : 2];
            i += crlf ? 1 : 0;
        }
    }
    const auto most = std::max_element(counts.begin(), counts.end());
    return std::count(counts.begin(), counts.end(), *most) > 1 ? "" // a tie: any of them
           : most == counts.begin()                            ? "\n"
           : most == counts.begin() + 1                        ? "\r\n"
                                                               : "\r";
}

std::string_view lineEndOf(std::string_view line) {
    return line.substr(std::min(line.size(), line.find_last_not_of("\r\n") + 1));
}

// What Quit does to the file, whatever its line ends: the values it writes read back; every
// line it does not write is there byte for byte, line end and all, in its order; a written
// line keeps all of itself but its value; the lines it adds end as most lines of the file do;
// a byte-order mark stays.
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
        const auto read = reread.value(section, key);
        require(read && read->text == value,
                std::string(section) + "/" + key + " does not read back");
    }
    require(reread.damagedLines().size() == before.damagedLines().size(),
            "a save changed the damaged lines");
    require(text.starts_with(kByteOrderMark) == after.text().starts_with(kByteOrderMark),
            "a save changed the byte-order mark");

    const std::vector<std::string_view> old = before.lines();
    const std::vector<std::string_view> now = after.lines();
    std::vector<bool> owned(old.size());
    for (const auto& [section, key, value] : written) {
        if (const auto line = before.lineOf(section, key)) {
            owned[*line] = true;
        }
    }
    const std::string lineEnd = mostLineEnd(text);
    std::size_t k = 0;
    for (std::size_t i = 0; i < old.size(); ++i) {
        // Lines the save added come before the next line of the file.
        while (k < now.size() && !owned[i] && now[k] != old[i] &&
               !(i + 1 == old.size() && now[k].starts_with(old[i]))) {
            require(lineEnd.empty() || now[k].ends_with(lineEnd),
                    "an added line does not end as the file's lines do");
            ++k;
        }
        require(k < now.size(), "a save lost line " + std::to_string(i + 1));
        if (owned[i]) {
            require(lineEndOf(now[k]) == lineEndOf(old[i]) || lineEndOf(old[i]).empty(),
                    "a written line lost its line end");
        } else if (i + 1 == old.size()) {
            // The last line may have been given a line end.
            require(now[k].starts_with(old[i]), "a save changed the last line");
        } else {
            require(now[k] == old[i], "a save changed line " + std::to_string(i + 1));
        }
        ++k;
    }
    for (; k < now.size(); ++k) {
        require(lineEnd.empty() || now[k].ends_with(lineEnd),
                "an added line does not end as the file's lines do");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("Varnok.conf")).toStdString();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    writeSettingsFile(path, text);

    const SettingsStore store(path);
    KeptValues values;
    const std::vector<SettingsWarning> warnings = readEverything(store, values);
    SharedState state;
    LoadSettings(store, state);
    require(state.Palette == BuildPalette(), "the palette depends on the file");
    state.Palette = {};
    require(std::memcmp(&state.TrainData, &values.state.TrainData, sizeof state.TrainData) == 0,
            "start-up and the table read different trains");

    requireWithin(state.TrainCount, 1, kTrainSlots, "TrainCount");
    requireWithin(state.ControlledTrain, 0, kTrainSlots - 1, "ControlledTrain");
    requireWithin(state.TrackColor, 0, kWhite, "TrackColor");
    for (const TrainRecord& train : state.TrainData) {
        requireWithin(train.ColorIndex, 0, kPaletteSize - 1, "a ColorIndex");
        requireWithin(train.Length, 0, kBodyCapacity, "a Length");
        require(isNodeCell(train.HeadPos), "a train starts on " + std::to_string(train.HeadPos) +
                                               ", which is not a node cell");
    }
    for (const float measure : {values.trackMap.left, values.trackMap.top, values.trainControl.left,
                                values.trainControl.top, values.trainControlHeight,
                                values.overview.left, values.overview.top}) {
        require(std::isfinite(measure), "a window measure is not a finite number");
    }
    // Whatever the file holds, each warning is one line that nothing in it can act on.
    for (const QString& sentence : sentencesOf(warnings)) {
        require(std::none_of(sentence.begin(), sentence.end(),
                             [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; }),
                "a warning holds a control character: " + sentence.toStdString());
    }
    requireSaveKeepsTheRest(text);
    return 0;
}
