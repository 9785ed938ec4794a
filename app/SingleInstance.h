#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

// One program at a time on one settings file: two would each save over what the other saved.
// The first start holds a lock in the runtime folder and listens on a local socket beside it;
// a later start asks it, through the socket, to bring its windows to the front. A lock left by
// a program that died does not count. The lock is named from the file's real path, so a
// settings file reached through links is one file.
class SingleInstance final : public QObject {
    Q_OBJECT

public:
    explicit SingleInstance(const QString& settingsFile);

    enum class Claim {
        First,    // this program runs
        Shown,    // another runs and was asked to show its windows
        NoAnswer, // another holds the lock but did not answer
        NoLock    // the lock cannot be taken, so another would not be noticed
    };
    Claim claim();

    // Where the lock is, for messages.
    QString lockFile() const { return m_lock.fileName(); }

signals:
    // A later start asked for this program's windows.
    void showRequested();

private:
    void listen();

    // The runtime folder's path of this settings file's lock and socket, less their endings.
    QString m_name;
    QString m_socket;
    QLockFile m_lock;
    QLocalServer m_server;
};
