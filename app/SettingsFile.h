#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The settings file on disk: read with bounds, replaced whole.

// A real settings file is a few hundred bytes; anything much larger is not one.
inline constexpr std::size_t kLargestSettingsFile = std::size_t(1) << 20;
// As many symbolic links as the kernel follows in one path.
inline constexpr int kMostSymbolicLinks = 40;

// Why the settings file could not be read or replaced: what failed, on which file, and the
// system's error number, for the reporter to put into words.
struct FileFault {
    enum class What {
        Unreadable,       // error
        NotRegular,       // kind
        TooLarge,         // size
        LinkUnreadable,   // path: the link; error
        TooManyLinks,     //
        TargetNotRegular, // path: the file the links lead to, when not the settings path; kind
        NewTextTooLarge,  // size: of the text that would have been written
        FolderNotMade,    // path: the folder; error
        FolderAppendOnly, // path: the folder
        NewFileNotMade,   // path: the temporary file; error
        WriteFailed,      // path, error
        FlushFailed,      // path, error
        ReadBackDiffers,  // path
        CloseFailed,      // path, error
        RenameFailed, // path: the temporary file; other: the file it replaces, if a link's; error
        FolderNotFlushed, // path: the folder; error
    };
    // What a file is that is no regular file.
    enum class Kind { Folder, Fifo, CharacterDevice, BlockDevice, Socket, Other };

    What what = What::Unreadable;
    int error = 0;
    std::string path;
    std::string other;
    Kind kind = Kind::Other;
    std::size_t size = 0;
    bool operator==(const FileFault&) const = default;
};

struct SettingsFileRead {
    enum class Outcome { Read, Absent, NotRead };
    Outcome outcome = Outcome::Absent;
    std::string text;
    // Why a file that is there was not read.
    FileFault whyNot;
};

// Reads the file at `path` (through symbolic links) when it is a regular file of at most
// `largest` bytes. Nothing else is opened, and nothing is opened in a way that can block: a
// FIFO, a device or an endless file is reported, not read. Drives are read so too.
SettingsFileRead readSettingsFile(const std::string& path,
                                  std::size_t largest = kLargestSettingsFile);

// Replaces the file at `path` by `text`, or fails and leaves it as it was. A symbolic link
// stays a link: the file it leads to is replaced. The new text goes to a temporary file in
// that file's folder, is flushed to the disk and read back, and only then renamed over it.
// Returns why it failed.
std::optional<FileFault> replaceSettingsFile(const std::string& path, std::string_view text);

// Removes the temporary files of saves that were killed part of the way, beside the file
// that `path` leads to.
void removeLeftoverSaves(const std::string& path);
