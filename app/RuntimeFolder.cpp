#include "app/RuntimeFolder.h"

#include "base/QuotedText.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What stops `folder` from being a runtime folder of this user's alone, or nothing.
std::optional<std::string> unfitness(const QByteArray& folder) {
    struct stat status {};
    if (::lstat(folder.constData(), &status) != 0) {
        return std::string("cannot be looked at: ") + std::strerror(errno);
    }
    if (S_ISLNK(status.st_mode)) {
        return "is a symbolic link";
    }
    if (!S_ISDIR(status.st_mode)) {
        return "is not a folder";
    }
    if (status.st_uid != ::geteuid()) {
        return "belongs to another user (uid " + std::to_string(status.st_uid) + ")";
    }
    if ((status.st_mode & 0777) != 0700) {
        char mode[8];
        std::snprintf(mode, sizeof mode, "%04o", unsigned(status.st_mode & 0777));
        return std::string("has mode ") + mode + ", not 0700";
    }
    return std::nullopt;
}

// The folder Qt falls back on without XDG_RUNTIME_DIR, made as Qt makes it.
QByteArray fallbackFolder() {
    const passwd* user = ::getpwuid(::geteuid());
    const QByteArray name =
        user != nullptr ? QByteArray(user->pw_name) : QByteArray::number(::geteuid());
    const QByteArray folder = QFile::encodeName(QDir::tempPath()) + "/runtime-" + name;
    ::mkdir(folder.constData(), 0700);
    return folder;
}

std::string described(const QByteArray& folder) {
    return quotedText(folder.toStdString());
}

} // namespace

std::optional<std::string> settlePrivateRuntimeFolder() {
    std::string whyNotSet = "XDG_RUNTIME_DIR is not set";
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray given = qgetenv("XDG_RUNTIME_DIR");
        const auto fault = unfitness(given);
        if (!fault) {
            return std::nullopt;
        }
        whyNotSet = "XDG_RUNTIME_DIR " + described(given) + ' ' + *fault;
    }
    const QByteArray fallback = fallbackFolder();
    if (const auto fault = unfitness(fallback)) {
        return "no runtime folder of your own to keep one Varnok to a settings file: " + whyNotSet +
               ", and " + described(fallback) + ' ' + *fault +
               "; set XDG_RUNTIME_DIR to a folder of your own with mode 0700";
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", fallback);
    }
    return std::nullopt;
}
