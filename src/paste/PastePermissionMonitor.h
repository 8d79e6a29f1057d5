#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "paste/PastePermission.h"
#include "platform/RepeatingTimer.h"

// Watches the paste permission while a window shows it: reports the state when started, then
// each change, testing once a second.
class PastePermissionMonitor {
public:
    explicit PastePermissionMonitor(std::function<void(PastePermission::State)> onChange);
    PastePermissionMonitor(const PastePermissionMonitor&) = delete;
    PastePermissionMonitor& operator=(const PastePermissionMonitor&) = delete;

    /// Reports the state now and starts watching; does nothing while already watching.
    void start();
    /// Stops watching and forgets the last report, so the next start reports again.
    void stop();

private:
    void poll();

    std::unique_ptr<platform::RepeatingTimer> timer_;
    std::optional<PastePermission::State> lastState_;
    std::function<void(PastePermission::State)> onChange_;
};
