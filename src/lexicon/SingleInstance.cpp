#include "lexicon/SingleInstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QStandardPaths>

namespace {
// Each path ends with a line end; paths with a line end in them cannot be
// opened from a command line anyway, so they are left out.
constexpr char separator = '\n';
constexpr int connectWaitMs = 3000;
} // namespace

SingleInstance::SingleInstance(const QString &lockPath, QObject *parent)
    : QObject(parent)
    , m_serverName(lockPath + QStringLiteral(".socket"))
    , m_lock(std::make_unique<QLockFile>(lockPath))
{
    // A lock left by a copy that crashed is taken over at once.
    m_lock->setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server.nextPendingConnection())
            receiveFrom(socket);
    });
}

bool SingleInstance::acquire()
{
    if (!m_lock->tryLock(0))
        return false;
    // The lock is ours, so a socket left there belongs to a copy that ended.
    QLocalServer::removeServer(m_serverName);
    m_server.setSocketOptions(QLocalServer::UserAccessOption);
    m_server.listen(m_serverName);
    return true;
}

void SingleInstance::receiveFrom(QLocalSocket *socket)
{
    socket->setParent(this);
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QLocalSocket::readyRead, socket, [socket, received] { received->append(socket->readAll()); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket, received] {
        received->append(socket->readAll());
        socket->deleteLater();
        QStringList files;
        for (const QByteArray &line : received->split(separator)) {
            if (!line.isEmpty())
                files.append(QString::fromUtf8(line));
        }
        emit filesRequested(files);
    });
}

bool SingleInstance::forwardToRunning(const QStringList &files) const
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(connectWaitMs))
        return false;
    QByteArray message;
    for (const QString &file : files) {
        if (file.contains(QLatin1Char(separator)))
            continue;
        message += file.toUtf8() + separator;
    }
    if (!message.isEmpty()) {
        socket.write(message);
        if (!socket.waitForBytesWritten(connectWaitMs))
            return false;
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectWaitMs);
    return true;
}

QString SingleInstance::defaultLockPath()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return QDir(dir).filePath(QStringLiteral("versalune.lock"));
}

QStringList SingleInstance::absoluteFileArguments(const QStringList &arguments)
{
    QStringList files;
    for (const QString &argument : arguments) {
        if (argument.isEmpty() || argument.startsWith(QLatin1Char('-')))
            continue;
        files.append(QFileInfo(argument).absoluteFilePath());
    }
    return files;
}
