#pragma once

#include "app/SettingsDocument.h"
#include "app/SettingsFile.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The user's settings as the file at one path holds them: the text of each key, read once at
// start and again when asked, and the values that Quit writes, saved into the file as it then
// stands. It reads and writes text only; what the texts mean is the settings table's.
class SettingsStore {
public:
    explicit SettingsStore(std::string path);

    const std::string& path() const { return m_path; }

    // Why the file could not be read, when it is there and could not.
    const std::optional<FileFault>& readFault() const { return m_readFault; }

    // Reads the file again as it stands now, for a window that loads after the start. A file
    // that cannot be read now leaves what was read before.
    void reread();

    const SettingsDocument& document() const { return m_document; }
    std::optional<StoredValue> value(std::string_view section, std::string_view key) const {
        return m_document.value(section, key);
    }

    // Removes what saves that were killed part of the way left beside the file.
    void removeLeftovers() const;

    void write(std::string_view section, std::string_view key, std::string_view text);
    // `current`, the text of a settings file, with what was written to the store.
    std::string withWritten(std::string_view current) const;

    // Writes what was written to the store into the file as it now stands on disk, which is
    // replaced as a whole: every line that the store did not write is carried over as it is.
    // Returns why that failed, or nothing when the file now holds the values. After a failure
    // the earlier file is there as it was, or no file when there was none.
    std::optional<FileFault> flush();

private:
    std::string m_path;
    std::optional<FileFault> m_readFault;
    SettingsDocument m_document;
    // What this store wrote, in the order it was written: section, key and text.
    std::vector<std::array<std::string, 3>> m_written;
};
