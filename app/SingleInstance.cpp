#include "app/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <cstdio>
#include <filesystem>

namespace {

// As many links as the kernel follows in one path.
constexpr int kMostLinks = 40;

// The file that `path` finally names: every symbolic link on the way followed, the folders'
// and the file's own, so that every path to one file gives one name. A file that is not
// there yet is named by its folder's real path, or by the place a dangling link leads to,
// where a save would make it.
QByteArray realFilePath(const QString& path) {
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path file = fs::absolute(QFile::encodeName(path).toStdString(), error);
    for (int hop = 0; hop < kMostLinks; ++hop) {
        fs::path resolved = fs::weakly_canonical(file, error);
        if (error) {
            break;
        }
        file = std::move(resolved);
        if (!fs::is_symlink(fs::symlink_status(file, error))) {
            break;
        }
        const fs::path next = fs::read_symlink(file, error);
        if (error) {
            break;
        }
        file = file.parent_path() / next;
    }
    return QByteArray::fromStdString(file.string());
}

// The lock's and the socket's name: one pair for each settings file, however it is reached.
QString runtimeName(const QString& settingsFile) {
    const QByteArray hash =
        QCryptographicHash::hash(realFilePath(settingsFile), QCryptographicHash::Sha256);
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/varnok-") + QString::fromLatin1(hash.toHex().left(16));
}

// How long a later start waits for the first to take its call.
constexpr int kAnswerMilliseconds = 3000;
constexpr int kRetryMilliseconds = 50;

} // namespace

SingleInstance::SingleInstance(const QString& settingsFile)
    : m_name(runtimeName(settingsFile)), m_socket(m_name + QStringLiteral(".socket")),
      m_lock(m_name + QStringLiteral(".lock")) {
    // A lock is stale only when its program is gone, however long the program has run.
    m_lock.setStaleLockTime(0);
}

SingleInstance::Claim SingleInstance::claim() {
    // The first may be starting, between taking the lock and listening, or ending: ask again
    // until it answers or its lock comes free.
    const QDeadlineTimer deadline(kAnswerMilliseconds);
    do {
        if (m_lock.tryLock(0)) {
            listen();
            return Claim::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            // Unguarded, a second program would save over what this one saved.
            return Claim::NoLock;
        }
        QLocalSocket socket;
        socket.connectToServer(m_socket);
        if (socket.waitForConnected(kRetryMilliseconds)) {
            // The call itself is the message; the first hangs up once it has taken it.
            return socket.waitForDisconnected(kAnswerMilliseconds) ? Claim::Shown : Claim::NoAnswer;
        }
        QThread::msleep(kRetryMilliseconds);
    } while (!deadline.hasExpired());
    return Claim::NoAnswer;
}

void SingleInstance::listen() {
    // A socket of a program that died is in the way of a new one.
    QLocalServer::removeServer(m_socket);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server.listen(m_socket)) {
        const QString warning = tr("cannot listen on %1: %2; a second Varnok cannot reach this one")
                                    .arg(m_socket, m_server.errorString());
        std::fprintf(stderr, "varnok: %s\n", warning.toLocal8Bit().constData());
        return;
    }
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = m_server.nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            caller->disconnectFromServer();
            emit showRequested();
        }
    });
}
