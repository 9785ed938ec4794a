#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The settings file on disk: read with bounds, replaced whole.

// A real settings file is a few hundred bytes; anything much larger is not one.
inline constexpr std::size_t kLargestSettingsFile = std::size_t(1) << 20;

struct SettingsFileRead {
    enum class Outcome { Read, Absent, NotRead };
    Outcome outcome = Outcome::Absent;
    std::string text;
    // Why a file that is there was not read: "it cannot be read: it is a FIFO, ...".
    std::string whyNot;
};

// Reads the file at `path` (through symbolic links) when it is a regular file of at most
// kLargestSettingsFile bytes. Nothing else is opened, and nothing is opened in a way that
// can block: a FIFO, a device or an endless file is reported, not read.
SettingsFileRead readSettingsFile(const std::string& path);

// Replaces the file at `path` by `text`, or fails and leaves it as it was. A symbolic link
// stays a link: the file it leads to is replaced. The new text goes to a temporary file in
// that file's folder, is flushed to the disk and read back, and only then renamed over it.
// Returns why it failed, in words for the user.
std::optional<std::string> replaceSettingsFile(const std::string& path, std::string_view text);

// Removes the temporary files of saves that were killed part of the way, beside the file
// that `path` leads to.
void removeLeftoverSaves(const std::string& path);
