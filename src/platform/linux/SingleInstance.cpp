#include "platform/linux/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <memory>
#include <thread>
#include <utility>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const QByteArray openRequest = "open";
// Longer than any request: a peer that sends more without ending its line is not one of ours.
constexpr qsizetype maximumRequestSize = 16;
constexpr auto retryInterval = 20ms;
// An instance that holds the lock may be a moment away from listening.
constexpr auto handOverTimeout = 1s;

int remainingMilliseconds(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(left.count(), 0));
}

QString socketName(const InstancePaths& paths) {
    return QString::fromStdString(paths.socket.string());
}

}  // namespace

SingleInstance::SingleInstance() : SingleInstance(sessionInstancePaths()) {}

SingleInstance::SingleInstance(std::optional<InstancePaths> paths) : paths_(std::move(paths)) {}

SingleInstance::~SingleInstance() {
    // Closing the server removes its socket file. Once the lock is released a new instance may
    // make its own socket at the same path, so the server closes first.
    if (server_ != nullptr) {
        server_->close();
    }
    lockFile_.reset();
}

bool SingleInstance::claim(bool waitForPrevious, std::chrono::milliseconds timeout) {
    if (!paths_) {
        return true;
    }
    // Close-on-exec: a program this one starts, the instance that replaces it on a relaunch
    // above all, must not inherit the lock and keep it after this process ends.
    lockFile_.emplace(
        ::open(paths_->lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (!lockFile_->valid()) {
        return true;
    }
    auto attempt = tryLock();
    if (attempt == LockAttempt::busy && waitForPrevious) {
        const auto deadline = Clock::now() + timeout;
        while (attempt == LockAttempt::busy && Clock::now() < deadline) {
            std::this_thread::sleep_for(
                std::min<Clock::duration>(retryInterval, deadline - Clock::now()));
            attempt = tryLock();
        }
    }
    switch (attempt) {
        case LockAttempt::taken:
            listen();
            return true;
        case LockAttempt::busy:
            lockFile_.reset();
            handOver();
            return false;
        case LockAttempt::failed:
            break;
    }
    return true;
}

SingleInstance::LockAttempt SingleInstance::tryLock() {
    while (::flock(lockFile_->get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) {
            return LockAttempt::busy;
        }
        if (errno != EINTR) {
            return LockAttempt::failed;
        }
    }
    return LockAttempt::taken;
}

void SingleInstance::listen() {
    // Only the holder of the lock may remove the socket: a file left there now is from an
    // instance that ended without closing its server.
    const QString name = socketName(*paths_);
    QLocalServer::removeServer(name);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        delete server_;
        server_ = nullptr;
        return;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
}

void SingleInstance::acceptConnections() {
    while (QLocalSocket* connection = server_->nextPendingConnection()) {
        connect(connection, &QLocalSocket::disconnected, connection, &QObject::deleteLater);
        auto received = std::make_shared<QByteArray>();
        connect(connection, &QLocalSocket::readyRead, this, [this, connection, received] {
            received->append(connection->read(maximumRequestSize + 1 - received->size()));
            const auto end = received->indexOf('\n');
            if (end < 0 && received->size() <= maximumRequestSize) {
                return;
            }
            const bool asksToOpen = end >= 0 && received->left(end) == openRequest;
            connection->abort();
            connection->deleteLater();
            if (asksToOpen && onOpenRequest) {
                onOpenRequest();
            }
        });
    }
}

void SingleInstance::handOver() const {
    const auto deadline = Clock::now() + handOverTimeout;
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketName(*paths_));
        if (socket.waitForConnected(remainingMilliseconds(deadline))) {
            socket.write(openRequest + '\n');
            socket.waitForBytesWritten(remainingMilliseconds(deadline));
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState) {
                socket.waitForDisconnected(remainingMilliseconds(deadline));
            }
            return;
        }
        if (Clock::now() + retryInterval >= deadline) {
            return;
        }
        std::this_thread::sleep_for(retryInterval);
    }
}

}  // namespace platform
