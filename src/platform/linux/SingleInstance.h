#pragma once

#include <QObject>
#include <chrono>
#include <functional>
#include <optional>

#include "platform/linux/FileDescriptor.h"
#include "platform/linux/InstancePaths.h"

class QLocalServer;

namespace platform {

// One running Zembril per user and X display. The running instance holds an flock on a lock
// file for as long as it lives, so a crash never leaves a stale lock, and listens on a local
// socket beside it, through which a later start asks it to open the picker. Make it after the
// Qt application object.
class SingleInstance final : public QObject {
public:
    /// The instance of this session: $DISPLAY's, in $XDG_RUNTIME_DIR or else under /tmp.
    SingleInstance();
    /// The instance at `paths`; none means no folder could be used.
    explicit SingleInstance(std::optional<InstancePaths> paths);
    ~SingleInstance() override;

    /// Becomes the session's running instance and answers true. When another instance runs:
    /// with `waitForPrevious`, waits up to `timeout` for it to end and then becomes it; otherwise
    /// (or when it is still running after the timeout) asks it to open the picker and answers
    /// false. When the lock cannot be made at all (no writable folder), answers true: run rather
    /// than refuse.
    bool claim(bool waitForPrevious, std::chrono::milliseconds timeout);

    /// Called on the main thread when a later start asks this instance to open the picker.
    std::function<void()> onOpenRequest;

private:
    enum class LockAttempt { taken, busy, failed };

    LockAttempt tryLock();
    void listen();
    void acceptConnections();
    void handOver() const;

    std::optional<InstancePaths> paths_;
    std::optional<FileDescriptor> lockFile_;
    QLocalServer* server_ = nullptr;
};

}  // namespace platform
