#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

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

SingleInstance::SingleInstance(const QString &windowTitle)
{
    const QByteArray hash = QCryptographicHash::hash(windowTitle.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    base_ = runtimeFolder() + QStringLiteral("/lorvex-") + QString::fromLatin1(hash);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::tryBecomePrimary()
{
    lock_ = std::make_unique<QLockFile>(lockPath());
    // tryLock(0) also takes over a stale lock left by a copy that crashed.
    if (!lock_->tryLock(0)) {
        lock_.reset();
        return false;
    }
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
