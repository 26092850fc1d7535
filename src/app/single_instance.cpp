#include "app/single_instance.h"

#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lorvex {

namespace {
const QByteArray activateRequest = "activate\n";

QString runtimeFolder()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty())
        dir = QDir::tempPath();
    QDir().mkpath(dir);
    return dir;
}
} // namespace

SingleInstance::SingleInstance(const QString &identity)
{
    // The user's number too: the fallback folder is shared by all users.
    base_ = runtimeFolder() + QLatin1Char('/') + identity + QLatin1Char('-') + QString::number(::getuid());
}

SingleInstance::~SingleInstance()
{
    server_.reset();
    if (lockFd_ >= 0)
        ::close(lockFd_);
}

bool SingleInstance::tryBecomePrimary()
{
    // An advisory lock the kernel drops with the process, so a copy that
    // crashed leaves nothing that blocks the next start, and nothing is synced
    // to disk on the way to the first window.
    lockFd_ = ::open(QFile::encodeName(lockPath()).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ >= 0 && ::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        ::close(lockFd_);
        lockFd_ = -1;
        return false;
    }
    // A lock file that cannot be made at all must not keep the program from running.
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so any socket file left behind is stale.
    QLocalServer::removeServer(serverName());
    if (server_->listen(serverName())) {
        QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(), [this] {
            while (QLocalSocket *socket = server_->nextPendingConnection()) {
                QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
                    if (socket->readAll().contains(activateRequest.trimmed()) && onActivate_)
                        onActivate_();
                });
            }
        });
    }
    // Without a listener we still run: the lock alone keeps copies apart.
    return true;
}

bool SingleInstance::askPrimaryToActivate(int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(serverName());
    if (!socket.waitForConnected(timeoutMs))
        return false;
    socket.write(activateRequest);
    const bool sent = socket.waitForBytesWritten(timeoutMs);
    socket.disconnectFromServer();
    return sent;
}

void SingleInstance::setActivationHandler(std::function<void()> handler) { onActivate_ = std::move(handler); }

} // namespace lorvex
