#pragma once

#include <QFile>
#include <QString>

#include <functional>
#include <sys/stat.h>
#include <vector>

// Things that can stand where the settings file should be and are no settings file: none of
// them may be read, waited on or written through.
struct NotASettingsFile {
    const char* what;
    std::function<void(const QString& path)> make;
    // What the program says of it.
    const char* said;
};

inline std::vector<NotASettingsFile> notSettingsFiles() {
    return {
        {"a FIFO", [](const QString& path) { ::mkfifo(QFile::encodeName(path), 0600); },
         "it is a FIFO, not a regular file"},
        {"a link to /dev/zero",
         [](const QString& path) { QFile::link(QStringLiteral("/dev/zero"), path); },
         "character device, not a regular file"},
        {"a file of 2 MiB",
         [](const QString& path) {
             QFile file(path);
             file.open(QIODevice::WriteOnly);
             file.resize(2 << 20);
         },
         "larger than a settings file can be"},
    };
}
