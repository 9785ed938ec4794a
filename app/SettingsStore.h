#pragma once

#include <QSettings>
#include <QString>

#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

// The user's settings store of application Varnok: sections of keys with plain-text values.
//
// Every read names a default and the range that the rest of the program relies on. A value
// that does not convert, or falls outside that range, is not used: the read prints one
// warning line naming the section, the key and the rejected text, and yields the default.
class SettingsStore {
public:
    SettingsStore();

    // The file behind the store.
    QString fileName() const;

    // Why the stored file could not be read, when it could not.
    std::optional<QString> readProblem() const;

    // Warns of every key that the file gives more than once (the last one counts) and of
    // every key that `isKnown` does not take for one of the program's; such keys are kept as
    // they are. A file full of them gets a few lines and a count of the rest.
    void warnAboutStrayKeys(const std::function<bool(const QString& sectionAndKey)>& isKnown) const;

    std::int32_t readLong(const QString& section, const QString& key, std::int32_t fallback,
                          std::int32_t min = std::numeric_limits<std::int32_t>::min(),
                          std::int32_t max = std::numeric_limits<std::int32_t>::max());
    bool readBoolean(const QString& section, const QString& key, bool fallback);
    // A finite Single.
    float readSingle(const QString& section, const QString& key, float fallback);

    void writeText(const QString& section, const QString& key, const std::string& text);

    // Writes every change to the file, which is replaced as a whole. Returns why that failed,
    // or nothing when the file now holds the values. After a failure the earlier file is
    // there as it was, or no file when there was none.
    std::optional<QString> flush();

private:
    // Where a file is on disk: a save puts a new one in the old one's place.
    struct FileIdentity {
        dev_t device;
        ino_t inode;
        bool operator==(const FileIdentity&) const = default;
    };

    static std::optional<FileIdentity> identityOf(const QString& path);
    std::optional<QString> syncProblem(const std::optional<FileIdentity>& before);
    // Whether the file on disk, read afresh, is the whole of what the store wrote.
    bool fileIsWhole() const;
    std::optional<QString> storedText(const QString& section, const QString& key) const;
    // The stored value converted, when it converts and `check` finds no fault in it; else the
    // fallback, after a warning.
    template <typename T, typename Check>
    T read(const QString& section, const QString& key, T fallback,
           std::optional<T> (*convert)(std::string_view), const QString& notConverted,
           const std::string& fallbackText, Check check);
    static void warnRejected(const QString& section, const QString& key, const QString& text,
                             const QString& why, const std::string& fallback);

    QSettings m_settings;
    // What this store wrote, each key's text as it was given.
    std::map<QString, QString> m_written;
};
