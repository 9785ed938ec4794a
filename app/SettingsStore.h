#pragma once

#include "app/SettingsDocument.h"
#include "app/SettingsFile.h"

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's settings file: $XDG_CONFIG_HOME/Varnok/Varnok.conf, or
// ~/.config/Varnok/Varnok.conf.
QString settingsFilePath();

// The user's settings store of application Varnok: sections of keys with plain-text values.
//
// Every read names a default and the range that the rest of the program relies on. A value
// that does not convert, or falls outside that range, is not used: the read prints one
// warning line naming the section, the key and the rejected text, and yields the default.
class SettingsStore {
public:
    // The store of the user's settings file.
    SettingsStore();

    // The file behind the store.
    QString fileName() const;

    // Why the stored file could not be read, when it is there and could not.
    std::optional<QString> readProblem() const;

    // Warns of every key that the file gives more than once (the last one counts), of every
    // key that `isKnown` does not take for one of the program's, and of the lines that are
    // not settings at all; they are all kept as they are. A file full of them gets a few
    // lines and a count of the rest.
    void warnAboutStrayKeys(const std::function<bool(const QString& sectionAndKey)>& isKnown) const;

    // Removes what saves that were killed part of the way left beside the file.
    void removeLeftovers() const;

    std::int32_t readLong(const QString& section, const QString& key, std::int32_t fallback,
                          std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                          std::int32_t max = std::numeric_limits<std::int32_t>::max());
    bool readBoolean(const QString& section, const QString& key, bool fallback);
    // A finite Single.
    float readSingle(const QString& section, const QString& key, float fallback);

    void writeText(const QString& section, const QString& key, const std::string& text);

    // Writes what was written to the store into the file as it now stands on disk, which is
    // replaced as a whole: every line that the store did not write is carried over as it is.
    // Returns why that failed, or nothing when the file now holds the values. After a failure
    // the earlier file is there as it was, or no file when there was none.
    std::optional<QString> flush();

private:
    std::optional<std::string> storedText(const QString& section, const QString& key) const;
    // The stored value converted, when it converts and `check` finds no fault in it; else the
    // fallback, after a warning.
    template <typename T, typename Check>
    T read(const QString& section, const QString& key, T fallback,
           std::optional<T> (*convert)(std::string_view), const QString& notConverted,
           const std::string& fallbackText, Check check);
    static void warnRejected(const QString& section, const QString& key, const QString& text,
                             const QString& why, const std::string& fallback);

    std::string m_path;
    SettingsFileRead m_read;
    SettingsDocument m_document;
    // What this store wrote, in the order it was written: section, key and text.
    std::vector<std::array<std::string, 3>> m_written;
};
