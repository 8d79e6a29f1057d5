#pragma once

#include <chrono>
#include <functional>
#include <memory>

#include "platform/RepeatingTimer.h"
#include "platform/WorkItem.h"

namespace platform {

using Duration = std::chrono::milliseconds;
using Task = std::function<void()>;

// The main thread's queue of deferred work and its timers. Everything it runs, runs on the
// main thread, one piece at a time, after the current event has been handled.
class MainQueue {
public:
    MainQueue() = default;
    MainQueue(const MainQueue&) = delete;
    MainQueue& operator=(const MainQueue&) = delete;
    virtual ~MainQueue() = default;

    /// Runs `task` after the current event has been handled.
    virtual void async(Task task) = 0;
    /// Runs `task` no earlier than `delay` from now.
    virtual void asyncAfter(Duration delay, Task task) = 0;
    /// Calls `tick` every `interval` until the returned timer is invalidated or destroyed.
    virtual std::unique_ptr<RepeatingTimer> scheduleRepeating(Duration interval, Task tick) = 0;

    /// Runs `item` no earlier than `delay` from now, unless it is cancelled before then.
    void asyncAfter(Duration delay, const std::shared_ptr<WorkItem>& item);
};

}  // namespace platform
