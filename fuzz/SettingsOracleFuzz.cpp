#include "FuzzCheck.h"
#include "ReadSettings.h"
#include "app/Settings.h"
#include "base/TextConversions.h"

#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <variant>

// Our settings reader against the platform's, QSettings in its INI format, on any file: for
// every key the program reads, wherever QSettings finds a value that the program can use, ours
// finds the same value, or says why not. No key takes its default in silence where QSettings
// would have read it.
//
// Where ours differs on purpose, it says so in a warning, and this check accepts exactly these
// differences, each when its warning is there:
// - "#" starts a comment line, as many editors write one; QSettings reads "#A=1" as a key
//   "#A", and carries such a line on over a line end after a backslash. No key of the program
//   starts with "#"; a line that QSettings joins to the comment is one ours reads.
// - A quote left open at a line's end closes there; QSettings runs the value on over the
//   following lines, and so loses the keys on them, section headers too. Ours reads those
//   lines; where they differ from what QSettings reads, ours tells of a key that is not the
//   program's (a header QSettings passed over put it into another section), of a key given
//   twice, or of a line that is no setting.
// - Names are taken as written. QSettings also reads its own spellings of names: "%XX" escapes
//   ("Train%43ount"), a path in a key ("Globals/TrainCount" in [General]), a backslash for a
//   slash. Ours tells each such key as one that is not the program's.
// - Values are text. QSettings reads its own spellings of typed values ("@String(3)",
//   "@ByteArray(3)", "@Variant(...)"); ours tells such a value as one it cannot use.
// - Bytes are taken as they are. QSettings decodes a value as UTF-8 and drops an unfinished
//   character at its end ("1960\xEA" is 1960 to it); ours tells such a value as one it cannot
//   use.
// - A key given twice through two spellings of its section: ours takes the one spelled as
//   written, QSettings the one in the section whose name sorts last; ours tells the other
//   spelling as a key that is not the program's.
//
// Then the save: on a file that both read alike, QSettings reads every value that Quit wrote,
// and every other key as it was.

namespace {

std::string textOf(const QVariant& value) {
    if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
        return value.toString().toStdString();
    }
    // A list, or a value of another type: no text the program could read.
    return "\x01 not a text";
}

// The value of `setting` in `text`, when the program can use it: converted, and in range.
std::optional<double> usable(const Setting& setting, const std::optional<std::string>& text) {
    if (!text) {
        return std::nullopt;
    }
    return std::visit(
        [&](const auto& value) -> std::optional<double> {
            using Kind = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<Kind, LongSetting>) {
                const auto read = textToLong(*text);
                return read && *read >= value.min && *read <= value.max
                           ? std::optional<double>(*read)
                           : std::nullopt;
            } else if constexpr (std::is_same_v<Kind, FlagSetting>) {
                const auto read = textToBoolean(*text);
                return read ? std::optional<double>(*read ? 1 : 0) : std::nullopt;
            } else {
                const auto read = textToSingle(*text);
                return read ? std::optional<double>(*read) : std::nullopt;
            }
        },
        setting.value);
}

// Whether ours tells of a difference from QSettings that it makes on purpose, as listed above.
bool differsOnPurpose(const std::vector<SettingsWarning>& warnings, std::string_view input,
                      const Setting& setting, const std::optional<StoredValue>& stored) {
    const bool quotesOrBackslashes = input.find_first_of("\"\\") != std::string_view::npos;
    return std::any_of(warnings.begin(), warnings.end(), [&](const SettingsWarning& warning) {
        if (const auto* rejected = std::get_if<RejectedValue>(&warning)) {
            const auto notAscii = [](char c) { return static_cast<unsigned char>(c) >= 0x80; };
            return rejected->section == setting.section && rejected->key == setting.key && stored &&
                   (stored->text.starts_with('@') ||
                    std::any_of(stored->text.begin(), stored->text.end(), notAscii));
        }
        if (const auto* unknown = std::get_if<UnknownKey>(&warning)) {
            const auto spelled = [](const std::string& name) {
                return name.find_first_of("%/\\") != std::string::npos;
            };
            return spelled(unknown->section) || spelled(unknown->key) || quotesOrBackslashes;
        }
        // Lines that QSettings joined to a value: no setting, or a repeat of a key.
        return (std::holds_alternative<NotSettingLines>(warning) ||
                std::holds_alternative<RepeatedKey>(warning)) &&
               quotesOrBackslashes;
    });
}

std::string name(const Setting& setting) {
    return std::string(setting.section) + "/" + std::string(setting.key);
}

QString qtKey(const Setting& setting) {
    return QString::fromStdString(name(setting));
}

std::string fileNamed(const QTemporaryDir& folder, std::uint64_t number) {
    // QSettings keeps files it has read by name: each input gets names of its own.
    return folder.filePath(QStringLiteral("%1.conf").arg(number)).toStdString();
}

// Whether QSettings finds exactly the keys that ours finds.
bool sameKeys(const SettingsDocument& document, const std::string& path) {
    QStringList ours;
    for (const auto& [section, key] : document.keys()) {
        ours << QString::fromStdString(section == "General" ? key : section + "/" + key);
    }
    QStringList theirs = QSettings(QString::fromStdString(path), QSettings::IniFormat).allKeys();
    ours.sort();
    theirs.sort();
    return ours == theirs;
}

// The files of one input, removed when it is done.
struct ScratchFiles {
    std::string read;
    std::string saved;
    ~ScratchFiles() {
        std::remove(read.c_str());
        std::remove(saved.c_str());
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    static std::uint64_t inputs = 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string path = fileNamed(folder, ++inputs);
    writeSettingsFile(path, input);

    const std::string saved = fileNamed(folder, ++inputs);
    const ScratchFiles scratch{path, saved};

    SettingsStore store(path);
    KeptValues values;
    const std::vector<SettingsWarning> warnings = readEverything(store, values);

    {
        const QSettings platform(QString::fromStdString(path), QSettings::IniFormat);
        for (const Setting& setting : settingsTable()) {
            const QVariant read = platform.value(qtKey(setting));
            const auto theirs =
                usable(setting, read.isValid() ? std::optional(textOf(read)) : std::nullopt);
            const auto stored = store.value(setting.section, setting.key);
            const auto ours = usable(
                setting, stored && !stored->isList ? std::optional(stored->text) : std::nullopt);
            if (theirs && ours != theirs) {
                require(differsOnPurpose(warnings, input, setting, stored),
                        name(setting) + " is " + read.toString().toStdString() +
                            " to QSettings, and ours " +
                            (ours ? "reads another value" : "takes its default") +
                            ", which is no difference made on purpose");
            }
        }
    }

    // The save, on a file that ours reads without a word and where both readers find the same
    // keys: QSettings reads back what Quit wrote, and every other key as it was. A quote or a
    // backslash can carry a line of QSettings over the lines the save adds after it, so files
    // with either are left to fuzz_loader, which checks the save against our own reader.
    if (!warnings.empty() || input.find_first_of("\"\\") != std::string_view::npos ||
        !sameKeys(store.document(), path)) {
        return 0;
    }
    WriteQuitSettings(store, values);
    writeSettingsFile(saved, store.withWritten(input));
    const QSettings before(QString::fromStdString(path), QSettings::IniFormat);
    const QSettings after(QString::fromStdString(saved), QSettings::IniFormat);
    KeptValues source = values;
    for (const Setting& setting : settingsTable()) {
        if (setting.quitOrder == 0) {
            continue;
        }
        const auto written = std::get_if<SingleSetting>(&setting.value);
        const auto text = written != nullptr
                              ? singleToText(written->target(source))
                              : longToText(std::get<LongSetting>(setting.value).target(source));
        require(after.value(qtKey(setting)).toString().toStdString() == text,
                name(setting) + " does not read back from the saved file to QSettings");
    }
    for (const QString& key : before.allKeys()) {
        const auto section = key.section(QChar('/'), 0, 0).toStdString();
        const auto keyName = key.section(QChar('/'), 1).toStdString();
        const Setting* setting = settingOf(section, keyName);
        if (setting == nullptr || setting->quitOrder == 0) {
            require(after.value(key) == before.value(key),
                    "the save changed " + key.toStdString() + " to QSettings");
        }
    }
    return 0;
}
