#pragma once

#include <QObject>

#include "platform/MainQueue.h"

namespace platform {

// The main queue on Qt's event loop: work is posted to, and timers fire on, the GUI thread.
class QtMainQueue final : public MainQueue {
public:
    QtMainQueue();
    ~QtMainQueue() override;

    void async(Task task) override;
    void asyncAfter(Duration delay, Task task) override;
    std::unique_ptr<RepeatingTimer> scheduleRepeating(Duration interval, Task tick) override;
    using MainQueue::asyncAfter;

private:
    // Work posted here is dropped with the queue instead of running after it is gone.
    QObject context_;
};

}  // namespace platform
