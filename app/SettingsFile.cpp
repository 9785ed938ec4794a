#include "app/SettingsFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;

namespace {

FileFault::Kind kindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return FileFault::Kind::Folder;
    }
    if (S_ISFIFO(mode)) {
        return FileFault::Kind::Fifo;
    }
    if (S_ISCHR(mode)) {
        return FileFault::Kind::CharacterDevice;
    }
    if (S_ISBLK(mode)) {
        return FileFault::Kind::BlockDevice;
    }
    if (S_ISSOCK(mode)) {
        return FileFault::Kind::Socket;
    }
    return FileFault::Kind::Other;
}

FileFault fault(FileFault::What what, std::string path = {}, int error = 0) {
    FileFault fault;
    fault.what = what;
    fault.error = error;
    fault.path = std::move(path);
    return fault;
}

FileFault notRegular(mode_t mode) {
    FileFault notRegular = fault(FileFault::What::NotRegular);
    notRegular.kind = kindOf(mode);
    return notRegular;
}

FileFault tooLarge(std::size_t size) {
    FileFault tooLarge = fault(FileFault::What::TooLarge);
    tooLarge.size = size;
    return tooLarge;
}

// The file that `path` finally names, following every symbolic link on the way.
struct LinkTarget {
    fs::path path;
    std::optional<FileFault> fault;
};

LinkTarget followLinks(const std::string& path) {
    fs::path target(path);
    for (int hop = 0; hop <= kMostSymbolicLinks; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(target, error))) {
            return {target, std::nullopt};
        }
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            return {target, fault(FileFault::What::LinkUnreadable, target.string(), error.value())};
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return {target, fault(FileFault::What::TooManyLinks)};
}

fs::path folderOf(const fs::path& file) {
    return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

// The temporary files of this program's saves: ".NAME.saving-PID" beside the file NAME.
std::string temporaryPrefix(const fs::path& target) {
    std::string prefix = ".";
    prefix += target.filename().string();
    prefix += ".saving-";
    return prefix;
}

fs::path temporaryFile(const fs::path& target) {
    return target.parent_path() / (temporaryPrefix(target) + std::to_string(::getpid()));
}

// A new file of its own, made with `mode`, closed once, and removed again unless it was
// renamed.
class TemporaryFile {
public:
    TemporaryFile(fs::path path, mode_t mode) : m_path(std::move(path)) {
        m_descriptor =
            ::open(m_path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        m_made = m_descriptor >= 0;
    }
    ~TemporaryFile() {
        if (m_descriptor >= 0) {
            ::close(m_descriptor);
        }
        if (m_made && !m_renamed) {
            ::unlink(m_path.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int descriptor() const { return m_descriptor; }
    const fs::path& path() const { return m_path; }

    bool close() {
        const int descriptor = std::exchange(m_descriptor, -1);
        return ::close(descriptor) == 0;
    }

    bool renameOver(const fs::path& target) {
        m_renamed = ::rename(m_path.c_str(), target.c_str()) == 0;
        return m_renamed;
    }

private:
    fs::path m_path;
    int m_descriptor = -1;
    bool m_made = false;
    bool m_renamed = false;
};

bool writeAll(int descriptor, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(descriptor, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // A write that takes nothing and gives no reason has met a full disk.
            errno = written == 0 ? ENOSPC : errno;
            return false;
        }
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

// Whether the file holds exactly `text`, read afresh from its start.
bool holdsExactly(int descriptor, std::string_view text) {
    std::string buffer(64 * 1024, '\0');
    off_t offset = 0;
    while (true) {
        const ssize_t got = ::pread(descriptor, buffer.data(), buffer.size(), offset);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            return false;
        }
        if (got == 0) {
            return std::size_t(offset) == text.size();
        }
        const std::string_view part(buffer.data(), std::size_t(got));
        if (text.substr(std::size_t(offset), part.size()) != part) {
            return false;
        }
        offset += got;
    }
}

// Whether no file in `folder` can be removed or renamed over: a save there could neither put
// its new file in place nor take it away again.
bool isAppendOnly(const fs::path& folder) {
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    int flags = 0;
    const bool appendOnly = ::ioctl(descriptor, FS_IOC_GETFLAGS, &flags) == 0 &&
                            (flags & (FS_APPEND_FL | FS_IMMUTABLE_FL)) != 0;
    ::close(descriptor);
    return appendOnly;
}

// Makes the rename itself lasting. Some file systems cannot flush a folder and say so; the
// rename stands there as well as they can make it. A folder that may be written but not read
// cannot be opened to be flushed: the file system it is on is flushed through the new file.
std::optional<FileFault> syncFolder(const fs::path& folder, const fs::path& file) {
    int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool throughFile = descriptor < 0 && errno == EACCES;
    if (throughFile) {
        descriptor = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    if (descriptor < 0) {
        return fault(FileFault::What::FolderNotFlushed, folder.string(), errno);
    }
    const bool synced = (throughFile ? ::syncfs(descriptor) : ::fsync(descriptor)) == 0 ||
                        errno == EINVAL || errno == ENOTSUP || errno == ENOSYS;
    const int error = errno;
    ::close(descriptor);
    if (!synced) {
        return fault(FileFault::What::FolderNotFlushed, folder.string(), error);
    }
    return std::nullopt;
}

} // namespace

SettingsFileRead readSettingsFile(const std::string& path, std::size_t largest) {
    const auto notRead = [](FileFault why) {
        return SettingsFileRead{SettingsFileRead::Outcome::NotRead, {}, std::move(why)};
    };
    const auto unreadable = [](int error) { return fault(FileFault::What::Unreadable, {}, error); };
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        return notRead(unreadable(errno));
    }
    if (!S_ISREG(status.st_mode)) {
        return notRead(notRegular(status.st_mode));
    }
    if (std::size_t(status.st_size) > largest) {
        return notRead(tooLarge(std::size_t(status.st_size)));
    }
    // Without blocking: a FIFO put in the file's place between the look and the open must not
    // hang the start.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) {
        return notRead(unreadable(errno));
    }
    SettingsFileRead read{SettingsFileRead::Outcome::Read, {}, {}};
    if (::fstat(descriptor, &status) != 0) {
        read = notRead(unreadable(errno));
    } else if (!S_ISREG(status.st_mode)) {
        read = notRead(notRegular(status.st_mode));
    } else {
        // Read to its end, or to one byte past the most that is taken: a file that grew since
        // the look is no file of ours either.
        std::array<char, 4096> chunk;
        while (read.text.size() <= largest) {
            const ssize_t got = ::read(descriptor, chunk.data(), chunk.size());
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got < 0) {
                read = notRead(unreadable(errno));
                break;
            }
            if (got == 0) {
                break;
            }
            read.text.append(chunk.data(), std::size_t(got));
        }
        if (read.text.size() > largest) {
            read = notRead(tooLarge(read.text.size()));
        }
    }
    ::close(descriptor);
    return read;
}

std::optional<FileFault> replaceSettingsFile(const std::string& path, std::string_view text) {
    // A text the next start would refuse to read is not written: the earlier file stays.
    if (text.size() > kLargestSettingsFile) {
        FileFault tooLarge = fault(FileFault::What::NewTextTooLarge);
        tooLarge.size = text.size();
        return tooLarge;
    }
    const LinkTarget target = followLinks(path);
    if (target.fault) {
        return target.fault;
    }
    // The file that is replaced, when the messages must name it: the one a link leads to.
    const std::string linked = target.path == fs::path(path) ? std::string() : target.path.string();
    struct stat earlier {};
    const bool exists = ::lstat(target.path.c_str(), &earlier) == 0;
    if (exists && !S_ISREG(earlier.st_mode)) {
        FileFault notRegular = fault(FileFault::What::TargetNotRegular, linked);
        notRegular.kind = kindOf(earlier.st_mode);
        return notRegular;
    }
    const fs::path folder = folderOf(target.path);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) {
        return fault(FileFault::What::FolderNotMade, folder.string(), error.value());
    }
    if (isAppendOnly(folder)) {
        return fault(FileFault::What::FolderAppendOnly, folder.string());
    }
    removeLeftoverSaves(path);

    // A file of this name is the leftover of an earlier program that had this one's number.
    const fs::path temporaryPath = temporaryFile(folder / target.path.filename());
    ::unlink(temporaryPath.c_str());
    // One that replaces a file is its user's alone until it has that file's mode, so no one
    // the earlier file kept out can open it in between.
    TemporaryFile temporary(temporaryPath, exists ? S_IRUSR | S_IWUSR : 0666);
    if (temporary.descriptor() < 0) {
        return fault(FileFault::What::NewFileNotMade, temporary.path().string(), errno);
    }
    // The new file gets the earlier one's permissions; a file system without them keeps its own.
    if (exists) {
        ::fchmod(temporary.descriptor(), earlier.st_mode & 07777);
    }
    const auto failed = [&](FileFault::What what) {
        return fault(what, temporary.path().string(), errno);
    };
    if (!writeAll(temporary.descriptor(), text)) {
        return failed(FileFault::What::WriteFailed);
    }
    if (::fsync(temporary.descriptor()) != 0) {
        return failed(FileFault::What::FlushFailed);
    }
    if (!holdsExactly(temporary.descriptor(), text)) {
        return fault(FileFault::What::ReadBackDiffers, temporary.path().string());
    }
    if (!temporary.close()) {
        return failed(FileFault::What::CloseFailed);
    }
    if (!temporary.renameOver(target.path)) {
        FileFault renameFailed = failed(FileFault::What::RenameFailed);
        renameFailed.other = linked;
        return renameFailed;
    }
    return syncFolder(folder, target.path);
}

void removeLeftoverSaves(const std::string& path) {
    const fs::path target = followLinks(path).path;
    const fs::path folder = folderOf(target);
    const std::string prefix = temporaryPrefix(target);
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const std::string pid = name.substr(std::min(prefix.size(), name.size()));
        if (!name.starts_with(prefix) || pid.empty() || pid.size() > 9 ||
            !std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            continue;
        }
        // The save of a program that still runs is not a leftover.
        const bool running = ::kill(::pid_t(std::stol(pid)), 0) == 0 || errno == EPERM;
        if (!running && entry->symlink_status(error).type() == fs::file_type::regular) {
            ::unlink(entry->path().c_str());
        }
    }
}
