#include "platform/linux/QtMainQueue.h"

#include <QMetaObject>
#include <QTimer>

namespace platform {
namespace {

class QtRepeatingTimer final : public RepeatingTimer {
public:
    QtRepeatingTimer(Duration interval, Task tick) {
        // Precise timers: the caret blink and the permission polls should keep their rhythm.
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(interval);
        QObject::connect(&timer_, &QTimer::timeout, [tick = std::move(tick)] { tick(); });
        timer_.start();
    }

    void invalidate() override { timer_.stop(); }
    bool isValid() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

QtMainQueue::QtMainQueue() = default;

QtMainQueue::~QtMainQueue() = default;

void QtMainQueue::async(Task task) {
    QMetaObject::invokeMethod(&context_, std::move(task), Qt::QueuedConnection);
}

void QtMainQueue::asyncAfter(Duration delay, Task task) {
    QTimer::singleShot(delay, Qt::PreciseTimer, &context_, std::move(task));
}

std::unique_ptr<RepeatingTimer> QtMainQueue::scheduleRepeating(Duration interval, Task tick) {
    return std::make_unique<QtRepeatingTimer>(interval, std::move(tick));
}

}  // namespace platform
