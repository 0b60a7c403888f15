#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include "data/PrivateFiles.h"

namespace shell {

namespace {

const QByteArray kShow = "show\n";
const QByteArray kShown = "shown\n";

QString absolute(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

}  // namespace

SingleInstance::SingleInstance(const QString& databasePath)
    : serverName_(QStringLiteral("periodicals-") +
                  QString::fromLatin1(QCryptographicHash::hash(absolute(databasePath).toUtf8(),
                                                               QCryptographicHash::Sha1)
                                          .toHex()
                                          .left(16))),
      lock_(absolute(databasePath) + QStringLiteral(".lock")) {
    // A lock stays valid for as long as its program runs, however long.
    lock_.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() = default;

bool SingleInstance::claim() {
    data::makePrivateFolder(QFileInfo(lock_.fileName()).absolutePath());
    if (lock_.tryLock(0))
        return true;
    return lock_.error() == QLockFile::PermissionError;
}

bool SingleInstance::activateRunning(int timeoutMs) {
    // The running program may still be starting: its socket comes a moment
    // after its lock.
    const QDeadlineTimer deadline(timeoutMs);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(serverName_);
        if (socket.waitForConnected(500)) {
            socket.write(kShow);
            socket.waitForBytesWritten(1000);
            while (socket.bytesAvailable() < kShown.size() &&
                   socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime())))) {
            }
            return socket.readAll() == kShown;
        }
        QThread::msleep(100);
    }
    return false;
}

void SingleInstance::listen(const std::function<void()>& show) {
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket left by a program that was killed is in the way.
    QLocalServer::removeServer(serverName_);
    server_->listen(serverName_);
    connect(server_, &QLocalServer::newConnection, this, [this, show] {
        while (QLocalSocket* socket = server_->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, socket, [socket, show] {
                if (!socket->canReadLine() || socket->readLine() != kShow)
                    return;
                show();
                socket->write(kShown);
                socket->flush();
            });
        }
    });
}

}  // namespace shell
