#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

// A small file system of its own (tmpfs), which a test can fill up so that a write to it
// stops part of the way. Mounting needs the right to mount: where the machine refuses it,
// whyNot() says so and the test skips.
class SmallDisk {
public:
    explicit SmallDisk(int kilobytes) {
        const std::string options = "size=" + std::to_string(kilobytes) + "k";
        if (!m_folder.isValid()) {
            m_whyNot = "no folder to mount on";
        } else if (::mount("tmpfs", QFile::encodeName(m_folder.path()).constData(), "tmpfs", 0,
                           options.c_str()) != 0) {
            m_whyNot = std::string("mounting a tmpfs failed: ") + std::strerror(errno);
        }
    }

    ~SmallDisk() {
        if (!m_whyNot) {
            ::umount2(QFile::encodeName(m_folder.path()).constData(), MNT_DETACH);
        }
    }

    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    const std::optional<std::string>& whyNot() const { return m_whyNot; }
    QString path() const { return m_folder.path(); }

    // Fills the disk with a file of its own, all but `kilobytesFree`.
    void fillLeaving(int kilobytesFree) {
        const int filler =
            ::open(QFile::encodeName(fillerPath()).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const std::array<char, 4096> block{};
        off_t size = 0;
        while (::write(filler, block.data(), block.size()) == ssize_t(block.size())) {
            size += off_t(block.size());
        }
        ::ftruncate(filler, std::max<off_t>(0, size - off_t(kilobytesFree) * 1024));
        ::close(filler);
    }

    void empty() { QFile::remove(fillerPath()); }

private:
    QString fillerPath() const { return path() + QStringLiteral("/filler"); }

    QTemporaryDir m_folder;
    std::optional<std::string> m_whyNot;
};
