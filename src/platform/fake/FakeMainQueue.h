#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <utility>

#include "platform/MainQueue.h"

namespace platform {

// A main queue on a virtual clock. Nothing runs until the test advances the clock; then work
// runs in deadline order, work with equal deadlines in the order it was scheduled.
class FakeMainQueue final : public MainQueue {
public:
    FakeMainQueue();
    ~FakeMainQueue() override;

    void async(Task task) override;
    void asyncAfter(Duration delay, Task task) override;
    std::unique_ptr<RepeatingTimer> scheduleRepeating(Duration interval, Task tick) override;
    using MainQueue::asyncAfter;

    /// The virtual time since the queue was made.
    Duration now() const { return now_; }
    /// Moves the clock forward by `span`, running everything that falls due on the way,
    /// including work scheduled while advancing.
    void advance(Duration span);
    /// Runs what is due now (work queued with async, and anything at the current time).
    void runUntilIdle() { advance(Duration{0}); }
    /// How many one-shot pieces of work are waiting.
    std::size_t pendingCount() const { return pending_.size(); }
    /// How many repeating timers are still valid.
    std::size_t activeTimerCount() const;

private:
    class Timer;
    struct TimerState;

    void schedule(Duration deadline, Task task);
    void scheduleTick(const std::shared_ptr<TimerState>& timer);

    Duration now_{0};
    std::uint64_t nextSequence_ = 0;
    std::map<std::pair<Duration, std::uint64_t>, Task> pending_;
    std::shared_ptr<std::size_t> activeTimers_;
};

}  // namespace platform
