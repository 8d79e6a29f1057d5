#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/FileDescriptor.h"
#include "platform/linux/InstancePaths.h"

class QLocalServer;

namespace platform {

// One running Zembril per user and X display. The running instance holds an flock on a lock
// file for as long as it lives, so a crash never leaves a stale lock, and listens on a local
// socket beside it, through which a later start passes on what it was asked to do. Make it
// after the Qt application object.
class SingleInstance final : public QObject {
public:
    /// What a later start asks the running instance to do: one line on the socket each.
    enum class Request { open, toggle, settings, quit };

    /// How a claim or a delivery ended.
    enum class Outcome {
        /// This process is now the session's running instance.
        claimed,
        /// The running instance took the request.
        delivered,
        /// No instance runs.
        notRunning,
        /// An instance holds the lock but did not take the request in time.
        noAnswer,
    };

    /// The instance of this session: $DISPLAY's, in $XDG_RUNTIME_DIR or else under /tmp.
    SingleInstance();
    /// The instance at `paths`; none means no folder could be used.
    explicit SingleInstance(std::optional<InstancePaths> paths);
    ~SingleInstance() override;

    /// Becomes the session's running instance (claimed). When another instance runs: with
    /// `waitForPrevious`, waits up to `timeout` for it to end and then becomes it; otherwise (or
    /// when it is still running after the timeout) passes `request` on to it (delivered or
    /// noAnswer). When the lock cannot be made at all (no writable folder), answers claimed:
    /// run rather than refuse.
    Outcome claim(Request request, bool waitForPrevious, std::chrono::milliseconds timeout);

    /// Passes `request` on to the running instance without ever becoming it: delivered,
    /// notRunning or noAnswer.
    Outcome deliver(Request request);

    /// Called on the main thread for each request a later start passes on.
    std::function<void(Request)> onRequest;

    /// The line that carries `request`, without its newline.
    static std::string_view lineFor(Request request);
    /// The request a line (without its newline) carries; none for anything else.
    static std::optional<Request> requestFrom(std::string_view line);

private:
    enum class LockAttempt { taken, busy, failed };

    bool openLockFile();
    LockAttempt tryLock();
    void listen();
    void acceptConnections();
    Outcome handOver(Request request) const;

    std::optional<InstancePaths> paths_;
    std::optional<FileDescriptor> lockFile_;
    QLocalServer* server_ = nullptr;
};

}  // namespace platform
