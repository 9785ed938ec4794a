#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
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

// Fills the folder's file system with a file of its own, all but `kilobytesFree`.
inline void fillLeaving(const QString& filler, int kilobytesFree) {
    const int file =
        ::open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::array<char, 4096> block{};
    off_t size = 0;
    while (::write(file, block.data(), block.size()) == ssize_t(block.size())) {
        size += off_t(block.size());
    }
    ::ftruncate(file, std::max<off_t>(0, size - off_t(kilobytesFree) * 1024));
    ::close(file);
}

// A small file system of its own (tmpfs), which a test can fill up or make read-only so that a
// write to it stops part of the way. Mounting needs the right to mount: where the machine refuses
// it, whyNot() says so and the test skips.
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
    void fillLeaving(int kilobytesFree) { ::fillLeaving(fillerPath(), kilobytesFree); }

    void empty() { QFile::remove(fillerPath()); }

    // Remounts the disk read-only: every write then fails.
    bool makeReadOnly() {
        return ::mount(nullptr, QFile::encodeName(path()).constData(), nullptr,
                       MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QString fillerPath() const { return path() + QStringLiteral("/filler"); }

    QTemporaryDir m_folder;
    std::optional<std::string> m_whyNot;
};

// A small exFAT file system, which has no hard links, from an image on a loop device mounted
// through FUSE. It needs Debian's exfat-fuse and exfatprogs and the right to mount: where
// either is missing, whyNot() says so and the test skips.
class ExfatDisk {
public:
    explicit ExfatDisk(int megabytes) {
        const QString image = m_work.path() + QStringLiteral("/image");
        m_mountPoint = m_work.path() + QStringLiteral("/mounted");
        QDir().mkpath(m_mountPoint);
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(megabytes) << 20)) {
            m_whyNot = "no image file";
            return;
        }
        file.close();
        if (run("mkfs.exfat", {image}) != 0) {
            m_whyNot = "mkfs.exfat (Debian's exfatprogs) did not make a file system";
            return;
        }
        QProcess losetup;
        losetup.start(QStringLiteral("losetup"), {"-f", "--show", image});
        losetup.waitForFinished();
        m_loop = QString::fromLocal8Bit(losetup.readAllStandardOutput()).trimmed();
        if (losetup.exitCode() != 0 || m_loop.isEmpty()) {
            m_whyNot = "no loop device could be set up";
            return;
        }
        if (run("mount.exfat-fuse", {m_loop, m_mountPoint}) != 0) {
            m_whyNot = "mount.exfat-fuse (Debian's exfat-fuse) could not mount the image";
            run("losetup", {"-d", m_loop});
            m_loop.clear();
        }
    }

    ~ExfatDisk() {
        if (!m_whyNot) {
            run("umount", {"-l", m_mountPoint});
        }
        if (!m_loop.isEmpty()) {
            run("losetup", {"-d", m_loop});
        }
    }

    ExfatDisk(const ExfatDisk&) = delete;
    ExfatDisk& operator=(const ExfatDisk&) = delete;

    const std::optional<std::string>& whyNot() const { return m_whyNot; }
    QString path() const { return m_mountPoint; }
    void fillLeaving(int kilobytesFree) {
        ::fillLeaving(path() + QStringLiteral("/filler"), kilobytesFree);
    }
    void empty() { QFile::remove(path() + QStringLiteral("/filler")); }

private:
    static int run(const char* program, const QStringList& arguments) {
        QProcess process;
        process.start(QString::fromLatin1(program), arguments);
        if (!process.waitForFinished()) {
            return -1;
        }
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir m_work;
    QString m_mountPoint;
    QString m_loop;
    std::optional<std::string> m_whyNot;
};
