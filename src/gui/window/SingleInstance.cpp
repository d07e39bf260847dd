#include "gui/window/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

#include <unistd.h>

namespace gui {

namespace {

constexpr int kAnswerWaitMs = 1000;
constexpr char kShowRequest[] = "show\n";

// The socket's name: the user's id and the settings folder, so two users, or one user's two
// settings folders, never meet.
QString ServerName(const QString& settings_folder) {
    const QByteArray folder = QDir(settings_folder).absolutePath().toUtf8();
    const QByteArray digest =
        QCryptographicHash::hash(folder, QCryptographicHash::Sha1).toHex().left(16);
    return "fivrastar-" + QString::number(::getuid()) + "-" + QString::fromLatin1(digest);
}

}  // namespace

SingleInstance::SingleInstance(const QString& settings_folder)
    : lock_(QDir(settings_folder).filePath("Fivrastar.lock")),
      server_name_(ServerName(settings_folder)) {
    QDir().mkpath(settings_folder);
    // A running game holds the lock for hours: only a dead process makes it stale.
    lock_.setStaleLockTime(0);
    if (!lock_.tryLock(0)) {
        first_ = lock_.error() != QLockFile::LockFailedError;
        return;
    }
    // The lock is ours, so a socket of the same name was left by a copy that was killed.
    QLocalServer::removeServer(server_name_);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(server_name_);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] {
        while (QLocalSocket* socket = server_.nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket,
                             &QLocalSocket::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, [this, socket] {
                if (socket->readAll().startsWith("show") && show_) {
                    show_();
                }
            });
        }
    });
}

void SingleInstance::OnShowAsked(std::function<void()> show) {
    show_ = std::move(show);
}

bool SingleInstance::AskFirstToShow() const {
    QLocalSocket socket;
    socket.connectToServer(server_name_);
    if (!socket.waitForConnected(kAnswerWaitMs)) {
        return false;
    }
    socket.write(kShowRequest);
    const bool sent = socket.waitForBytesWritten(kAnswerWaitMs);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace gui
