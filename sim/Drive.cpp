#include "sim/Drive.h"

#include "sim/Palette.h"
#include "sim/TrainControls.h"

#include <algorithm>
#include <charconv>

namespace {

constexpr std::string_view kFirstWord = "varnok";
constexpr std::string_view kSecondWord = "drive";
constexpr std::int32_t kLastKeyCode = 255;
constexpr std::int32_t kAnyShiftState = kShiftHeld | kCtrlHeld | kAltHeld;

// The program-wide values of a state line.
struct StateField {
    std::string_view name;
    std::int32_t min;
    std::int32_t max;
};
constexpr StateField kStateFields[] = {
    {"trains", 1, kTrainSlots},
    {"controlled", 0, kTrainSlots - 1},
    {"track", 0, kWhite},
    {"key", 0, kLastKeyCode},
};

std::string lineOf(std::int64_t time, std::string_view rest) {
    return std::to_string(time) + ' ' + std::string(rest) + '\n';
}

std::string stateText(std::int64_t time, const SharedState& state) {
    const std::int32_t values[] = {state.TrainCount, state.ControlledTrain, state.TrackColor,
                                   state.KeyDownCode};
    // Built by appending: g++ 12 at -O3 warns of an overlap where text is put in front.
    std::string text = "state";
    const auto value = [&text](std::string_view name, std::int32_t number) {
        text.append(" ").append(name).append("=").append(std::to_string(number));
    };
    for (std::size_t k = 0; k < std::size(kStateFields); ++k) {
        value(kStateFields[k].name, values[k]);
    }
    for (int i = 0; i < kTrainSlots; ++i) {
        const TrainRecord& train = trainAt(state, i);
        text.append("\n").append(std::to_string(time)).append(" train ").append(std::to_string(i));
        for (const TrainField& field : trainFields()) {
            value(field.name, train.*field.member);
        }
        value("ctrl", train.Ctrl ? 1 : 0);
        text.append(" body=");
        // The cells up to the last one taken; the rest are 0.
        const auto last = std::find_if(train.Body.rbegin(), train.Body.rend(),
                                       [](CellIndex n) { return n != 0; });
        const auto used = static_cast<std::size_t>(train.Body.rend() - last);
        for (std::size_t k = 0; k < used; ++k) {
            text.append(k == 0 ? "" : ",").append(std::to_string(train.Body[k]));
        }
    }
    return lineOf(time, text);
}

// Words of one line, split at blanks.
std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while ((at = line.find_first_not_of(" \t", at)) != std::string_view::npos) {
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

std::optional<std::int64_t> wholeNumber(std::string_view text) {
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || stop != end) {
        return std::nullopt;
    }
    return value;
}

using What = DriveFault::What;
using Value = DriveFault::Value;

// A fault of one line, thrown to the reader's loop, which adds the line's number.
[[noreturn]] void fail(DriveFault fault) {
    throw fault;
}

// What a number is: a field named by its word in the drive, or a value named by the reporter.
struct NumberOf {
    Value value;
    std::string_view field = {};
};

std::int64_t numberWithin(std::string_view text, std::int64_t min, std::int64_t max,
                          NumberOf what) {
    const auto value = wholeNumber(text);
    if (!value) {
        fail({.what = What::NotWholeNumber,
              .value = what.value,
              .name = std::string(what.field),
              .text = std::string(text)});
    }
    if (*value < min || *value > max) {
        fail({.what = What::NotWithin,
              .value = what.value,
              .name = std::string(what.field),
              .number = *value,
              .low = min,
              .high = max});
    }
    return *value;
}

std::int32_t longWithin(std::string_view text, std::int32_t min, std::int32_t max, NumberOf what) {
    return static_cast<std::int32_t>(numberWithin(text, min, max, what));
}

std::int32_t fieldWithin(std::string_view text, std::int32_t min, std::int32_t max,
                         std::string_view field) {
    return longWithin(text, min, max, {Value::Field, field});
}

// The value of "name=value", which must name `name`.
std::string_view valueNamed(std::string_view word, std::string_view name) {
    if (!word.starts_with(name) || word.size() == name.size() || word[name.size()] != '=') {
        fail({.what = What::NotNamed, .name = std::string(name), .text = std::string(word)});
    }
    return word.substr(name.size() + 1);
}

void requireWords(const std::vector<std::string_view>& words, std::size_t count) {
    if (words.size() != count) {
        fail({.what = What::WordCount,
              .number = std::int64_t(words.size()),
              .low = std::int64_t(count)});
    }
}

// Reads the lines of a drive one at a time, in order.
class DriveReader {
public:
    explicit DriveReader(std::string_view text) : m_text(text) {}

    std::variant<Drive, DriveFault> read() {
        try {
            readHeader();
            readStart();
            m_drive.start.Palette = BuildPalette();
            while (const auto words = nextLine()) {
                const std::int64_t time = timeOf(*words);
                if ((*words)[1] == "state") {
                    readEnd(time, *words);
                    if (nextLine()) {
                        fail({.what = What::FollowsTheEnd});
                    }
                    break;
                }
                m_drive.entries.push_back(entryOf(time, *words));
            }
        } catch (DriveFault& fault) {
            fault.line = m_line;
            return fault;
        }
        return std::move(m_drive);
    }

private:
    // The words of the next line that is neither blank nor a comment, with a time and a verb.
    std::optional<std::vector<std::string_view>> nextLine() {
        while (m_at < m_text.size()) {
            const std::size_t end = std::min(m_text.find('\n', m_at), m_text.size());
            std::string_view line = m_text.substr(m_at, end - m_at);
            m_at = end + 1;
            ++m_line;
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
            std::vector<std::string_view> words = wordsOf(line);
            if (words.empty() || words[0].starts_with('#')) {
                continue;
            }
            return words;
        }
        return std::nullopt;
    }

    std::vector<std::string_view> requiredLine(std::string_view what) {
        auto words = nextLine();
        if (!words) {
            ++m_line;
            fail({.what = What::EndsEarly, .name = std::string(what)});
        }
        return *words;
    }

    void readHeader() {
        const auto words = nextLine();
        if (!words || words->size() != 3 || (*words)[0] != kFirstWord ||
            (*words)[1] != kSecondWord || !wholeNumber((*words)[2])) {
            m_line = std::max(m_line, 1);
            fail({.what = What::NotADrive});
        }
        if (*wholeNumber((*words)[2]) != kDriveFormat) {
            fail({.what = What::UnknownFormat, .text = std::string((*words)[2])});
        }
    }

    // The time of an entry, which never goes back.
    std::int64_t timeOf(const std::vector<std::string_view>& words) {
        if (words.size() < 2) {
            fail({.what = What::NoTimeOrVerb});
        }
        const std::int64_t time = numberWithin(words[0], 0, kLatestDriveTime, {Value::Time});
        if (time < m_time) {
            fail({.what = What::TimeGoesBack, .number = time, .low = m_time});
        }
        m_time = time;
        return time;
    }

    std::vector<std::string_view> lineOfVerb(std::string_view verb, std::int64_t time) {
        const auto words = requiredLine(verb);
        if (timeOf(words) != time || words[1] != verb) {
            fail({.what = What::NotTheLineDue, .name = std::string(verb), .number = time});
        }
        return words;
    }

    // A run starts as start-up leaves it: no key held, each train on a node cell, on no run
    // yet, with no body, standing.
    void readStart() {
        SharedState& start = m_drive.start;
        readStateLine(lineOfVerb("state", 0), start);
        if (start.KeyDownCode != kNoKey) {
            fail({.what = What::KeyHeldAtStart});
        }
        for (int i = 0; i < kTrainSlots; ++i) {
            TrainRecord& train = trainAt(start, i);
            readTrain(lineOfVerb("train", 0), i, train);
            if (!isNodeCell(train.HeadPos) || train.NextNode != 0 || train.RunStart != 0 ||
                train.RunEnd != 0 || train.Interval != 0 || train.Body != TrainRecord{}.Body) {
                fail({.what = What::TrainStartsAmiss, .number = i});
            }
        }
    }

    static void readStateLine(const std::vector<std::string_view>& words, SharedState& state) {
        requireWords(words, 2 + std::size(kStateFields));
        std::int32_t* const targets[] = {&state.TrainCount, &state.ControlledTrain,
                                         &state.TrackColor, nullptr};
        for (std::size_t k = 0; k < std::size(kStateFields); ++k) {
            const StateField& field = kStateFields[k];
            const std::int32_t value =
                fieldWithin(valueNamed(words[2 + k], field.name), field.min, field.max, field.name);
            if (targets[k] != nullptr) {
                *targets[k] = value;
            } else {
                state.KeyDownCode = static_cast<KeyCode>(value);
            }
        }
    }

    static void readTrain(const std::vector<std::string_view>& words, int index,
                          TrainRecord& train) {
        requireWords(words, 3 + std::size(trainFields()) + 2);
        if (words[2] != std::to_string(index)) {
            fail({.what = What::NotTheTrainDue, .number = index});
        }
        std::size_t k = 3;
        for (const TrainField& field : trainFields()) {
            train.*field.member =
                fieldWithin(valueNamed(words[k++], field.name), field.min, field.max, field.name);
        }
        train.Ctrl = fieldWithin(valueNamed(words[k++], "ctrl"), 0, 1, "ctrl") == 1;
        std::string_view body = valueNamed(words[k], "body");
        for (std::size_t cell = 0; !body.empty(); ++cell) {
            if (cell == train.Body.size()) {
                fail({.what = What::BodyTooLong});
            }
            const std::size_t comma = std::min(body.find(','), body.size());
            train.Body[cell] =
                longWithin(body.substr(0, comma), 0, kHighestCellIndex, {Value::Cell});
            if (train.Body[cell] != 0 && !cellSlot(train.Body[cell])) {
                fail({.what = What::NoSuchCell, .number = train.Body[cell]});
            }
            body.remove_prefix(std::min(comma + 1, body.size()));
        }
        for (const CellIndex n : {train.HeadPos, train.NextNode, train.RunStart, train.RunEnd}) {
            if (n != 0 && !cellSlot(n)) {
                fail({.what = What::NoSuchCell, .number = n});
            }
        }
        if (train.Interval != SpeedToInterval(train.Throttle) && train.Interval != 0) {
            fail({.what = What::IntervalNotThrottles, .number = train.Interval});
        }
    }

    DriveEntry entryOf(std::int64_t time, const std::vector<std::string_view>& words) {
        const std::string_view verb = words[1];
        const auto train = [&] { return longWithin(words[2], 0, kTrainSlots - 1, {Value::Train}); };
        DriveEntry entry{time, DriveInput{}};
        if (verb == "key") {
            requireWords(words, 3);
            entry.what = DriveInput{DriveInput::Kind::Key, 0,
                                    longWithin(words[2], 0, kLastKeyCode, {Value::KeyCode})};
        } else if (verb == "throttle") {
            requireWords(words, 4);
            entry.what = DriveInput{DriveInput::Kind::Throttle, train(),
                                    fieldWithin(words[3], kThrottleMin, kThrottleMax, "throttle")};
        } else if (verb == "color") {
            requireWords(words, 3);
            entry.what = DriveInput{DriveInput::Kind::Color, train(), 0};
        } else if (verb == "length") {
            requireWords(words, 4);
            entry.what = DriveInput{DriveInput::Kind::Length, train(),
                                    longWithin(words[3], 0, kAnyShiftState, {Value::ShiftState})};
        } else if (verb == "count") {
            requireWords(words, 3);
            entry.what = DriveInput{DriveInput::Kind::TrainCount, 0,
                                    longWithin(words[2], 0, kAnyShiftState, {Value::ShiftState})};
        } else if (verb == "digest") {
            requireWords(words, 3);
            entry.what = DriveCheckpoint{digestOf(words[2])};
        } else if (verb == "dropped") {
            requireWords(words, 3);
            const std::int64_t last = m_drive.entries.empty() ? 0 : m_drive.entries.back().time;
            entry.what = DriveStall{numberWithin(words[2], last, time, {Value::StallStart})};
        } else {
            fail({.what = What::UnknownEntry, .text = std::string(verb)});
        }
        return entry;
    }

    static std::uint64_t digestOf(std::string_view text) {
        std::uint64_t digest = 0;
        const char* end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, digest, 16);
        if (text.size() != 16 || error != std::errc() || stop != end ||
            text != digestText(digest)) {
            fail({.what = What::DigestNotHex, .text = std::string(text)});
        }
        return digest;
    }

    void readEnd(std::int64_t time, const std::vector<std::string_view>& words) {
        DriveEnd end{time, {}, 0};
        readStateLine(words, end.run.state);
        for (int i = 0; i < kTrainSlots; ++i) {
            readTrain(lineOfVerb("train", time), i, trainAt(end.run.state, i));
        }
        const auto cells = lineOfVerb("cells", time);
        requireWords(cells, 2 + end.run.cells.size());
        for (std::size_t slot = 0; slot < end.run.cells.size(); ++slot) {
            end.run.cells[slot] = longWithin(cells[2 + slot], 0, kWhite, {Value::Colour});
        }
        const auto digest = lineOfVerb("end", time);
        requireWords(digest, 3);
        if (digest[2] != digestText(runDigest(end.run))) {
            fail({.what = What::WrongEndDigest, .text = std::string(digest[2])});
        }
        end.digest = runDigest(end.run);
        m_drive.end = end;
    }

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 0;
    std::int64_t m_time = 0;
    Drive m_drive;
};

} // namespace

std::variant<Drive, DriveFault> readDrive(std::string_view text) {
    return DriveReader(text).read();
}

std::string driveStartText(const SharedState& start) {
    return std::string(kFirstWord) + ' ' + std::string(kSecondWord) + ' ' +
           std::to_string(kDriveFormat) + '\n' + stateText(0, start);
}

std::string driveEntryText(const DriveEntry& entry) {
    if (const auto* stall = std::get_if<DriveStall>(&entry.what)) {
        return lineOf(entry.time, "dropped " + std::to_string(stall->since));
    }
    if (const auto* checkpoint = std::get_if<DriveCheckpoint>(&entry.what)) {
        return lineOf(entry.time, "digest " + digestText(checkpoint->digest));
    }
    const auto& input = std::get<DriveInput>(entry.what);
    const std::string train = std::to_string(input.train);
    const std::string value = std::to_string(input.value);
    switch (input.kind) {
    case DriveInput::Kind::Key:
        return lineOf(entry.time, "key " + value);
    case DriveInput::Kind::Throttle:
        return lineOf(entry.time, "throttle " + train + ' ' + value);
    case DriveInput::Kind::Color:
        return lineOf(entry.time, "color " + train);
    case DriveInput::Kind::Length:
        return lineOf(entry.time, "length " + train + ' ' + value);
    case DriveInput::Kind::TrainCount:
        return lineOf(entry.time, "count " + value);
    }
    return {};
}

std::string driveEndText(std::int64_t time, const RunState& run) {
    std::string cells = "cells";
    for (const Color color : run.cells) {
        cells += ' ' + std::to_string(color);
    }
    return stateText(time, run.state) + lineOf(time, cells) +
           lineOf(time, "end " + digestText(runDigest(run)));
}
