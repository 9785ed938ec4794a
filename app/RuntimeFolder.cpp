#include "app/RuntimeFolder.h"

#include "base/QuotedText.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtGlobal>

#include <cerrno>
#include <cstring>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The context of the runtime folder's texts in the catalogs.
struct RuntimeFolder {
    Q_DECLARE_TR_FUNCTIONS(RuntimeFolder)
};

// What stops `folder`, named by `subject`, from being a runtime folder of this user's alone,
// or nothing.
std::optional<QString> unfitness(const QByteArray& folder, const QString& subject) {
    struct stat status {};
    if (::lstat(folder.constData(), &status) != 0) {
        return RuntimeFolder::tr("%1 cannot be looked at: %2")
            .arg(subject, QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISLNK(status.st_mode)) {
        return RuntimeFolder::tr("%1 is a symbolic link").arg(subject);
    }
    if (!S_ISDIR(status.st_mode)) {
        return RuntimeFolder::tr("%1 is not a folder").arg(subject);
    }
    if (status.st_uid != ::geteuid()) {
        return RuntimeFolder::tr("%1 belongs to another user (uid %2)")
            .arg(subject)
            .arg(status.st_uid);
    }
    if ((status.st_mode & 0777) != 0700) {
        return RuntimeFolder::tr("%1 has mode %2, not 0700")
            .arg(subject, QStringLiteral("%1").arg(status.st_mode & 0777, 4, 8, QChar('0')));
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

QString described(const QByteArray& folder) {
    return QString::fromStdString(quotedText(folder.toStdString()));
}

} // namespace

std::optional<std::string> settlePrivateRuntimeFolder() {
    QString whyNotSet = RuntimeFolder::tr("XDG_RUNTIME_DIR is not set");
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray given = qgetenv("XDG_RUNTIME_DIR");
        const auto fault =
            unfitness(given, QStringLiteral("XDG_RUNTIME_DIR %1").arg(described(given)));
        if (!fault) {
            return std::nullopt;
        }
        whyNotSet = *fault;
    }
    const QByteArray fallback = fallbackFolder();
    if (const auto fault = unfitness(fallback, described(fallback))) {
        return RuntimeFolder::tr("no runtime folder of your own to keep one Varnok to a settings "
                                 "file: %1, and %2; set XDG_RUNTIME_DIR to a folder of your own "
                                 "with mode 0700")
            .arg(whyNotSet, *fault)
            .toStdString();
    }
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        qputenv("XDG_RUNTIME_DIR", fallback);
    }
    return std::nullopt;
}
