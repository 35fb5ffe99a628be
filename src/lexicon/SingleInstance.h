#pragma once

// One running copy per user: the first holds a lock file in the user's
// runtime directory for as long as it runs, and listens on a local socket
// beside it. A second start finds the lock held and hands its files to the
// first copy through that socket, which then comes to the front.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString &lockPath = defaultLockPath(), QObject *parent = nullptr);
    // True when no other running copy holds the lock; this one then keeps it
    // and listens for the copies started after it.
    bool acquire();
    // From a second start: passes the files (absolute paths) to the running
    // copy. False when that copy cannot be reached.
    bool forwardToRunning(const QStringList &files) const;

    static QString defaultLockPath();
    // The command-line arguments that name files, as absolute paths.
    static QStringList absoluteFileArguments(const QStringList &arguments);

signals:
    // A later start asked for the window, with the files it was given (maybe none).
    void filesRequested(const QStringList &files);

private:
    void receiveFrom(class QLocalSocket *socket);

    QString m_serverName;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};
