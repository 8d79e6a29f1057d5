#include "platform/linux/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>

#include <QByteArray>
#include <QLocalServer>
#include <QLocalSocket>
#include <QString>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <memory>
#include <thread>
#include <utility>

namespace platform {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

using Request = SingleInstance::Request;
using Outcome = SingleInstance::Outcome;

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

std::string_view SingleInstance::lineFor(Request request) {
    switch (request) {
        case Request::open:
            return "open";
        case Request::toggle:
            return "toggle";
        case Request::settings:
            return "settings";
        case Request::quit:
            return "quit";
    }
    return "open";
}

std::optional<Request> SingleInstance::requestFrom(std::string_view line) {
    for (const Request request :
         {Request::open, Request::toggle, Request::settings, Request::quit}) {
        if (line == lineFor(request)) {
            return request;
        }
    }
    return std::nullopt;
}

bool SingleInstance::openLockFile() {
    if (!paths_) {
        return false;
    }
    // Close-on-exec: a program this one starts, the instance that replaces it on a relaunch
    // above all, must not inherit the lock and keep it after this process ends.
    lockFile_.emplace(
        ::open(paths_->lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    return lockFile_->valid();
}

Outcome SingleInstance::claim(Request request, bool waitForPrevious,
                              std::chrono::milliseconds timeout) {
    if (!openLockFile()) {
        return Outcome::claimed;
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
            return Outcome::claimed;
        case LockAttempt::busy:
            lockFile_.reset();
            return handOver(request);
        case LockAttempt::failed:
            break;
    }
    return Outcome::claimed;
}

Outcome SingleInstance::deliver(Request request) {
    if (!openLockFile()) {
        return Outcome::notRunning;
    }
    const LockAttempt attempt = tryLock();
    // Taking the lock only showed that nothing runs; letting go of it at once leaves the
    // session free for the next start.
    lockFile_.reset();
    return attempt == LockAttempt::busy ? handOver(request) : Outcome::notRunning;
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
            const std::optional<Request> request =
                end >= 0 ? requestFrom(std::string_view(received->constData(),
                                                        static_cast<std::size_t>(end)))
                         : std::nullopt;
            connection->abort();
            connection->deleteLater();
            if (request && onRequest) {
                onRequest(*request);
            }
        });
    }
}

Outcome SingleInstance::handOver(Request request) const {
    const auto deadline = Clock::now() + handOverTimeout;
    const std::string_view line = lineFor(request);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(socketName(*paths_));
        if (socket.waitForConnected(remainingMilliseconds(deadline))) {
            socket.write(QByteArray(line.data(), static_cast<qsizetype>(line.size())) + '\n');
            socket.waitForBytesWritten(remainingMilliseconds(deadline));
            const bool written = socket.bytesToWrite() == 0;
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState) {
                socket.waitForDisconnected(remainingMilliseconds(deadline));
            }
            return written ? Outcome::delivered : Outcome::noAnswer;
        }
        if (Clock::now() + retryInterval >= deadline) {
            return Outcome::noAnswer;
        }
        std::this_thread::sleep_for(retryInterval);
    }
}

}  // namespace platform
