#include "platform/fake/FakeMainQueue.h"

namespace platform {

struct FakeMainQueue::TimerState {
    Duration interval;
    Task tick;
    bool valid = true;
};

class FakeMainQueue::Timer final : public RepeatingTimer {
public:
    Timer(std::shared_ptr<TimerState> state, std::shared_ptr<std::size_t> activeCount)
        : state_(std::move(state)), activeCount_(std::move(activeCount)) {
        ++*activeCount_;
    }
    ~Timer() override { invalidate(); }

    void invalidate() override {
        if (state_->valid) {
            state_->valid = false;
            state_->tick = nullptr;
            --*activeCount_;
        }
    }
    bool isValid() const override { return state_->valid; }

private:
    std::shared_ptr<TimerState> state_;
    std::shared_ptr<std::size_t> activeCount_;
};

FakeMainQueue::FakeMainQueue() : activeTimers_(std::make_shared<std::size_t>(0)) {}

FakeMainQueue::~FakeMainQueue() = default;

void FakeMainQueue::async(Task task) {
    schedule(now_, std::move(task));
}

void FakeMainQueue::asyncAfter(Duration delay, Task task) {
    schedule(now_ + std::max(delay, Duration{0}), std::move(task));
}

std::unique_ptr<RepeatingTimer> FakeMainQueue::scheduleRepeating(Duration interval, Task tick) {
    auto state =
        std::make_shared<TimerState>(TimerState{std::max(interval, Duration{1}), std::move(tick)});
    scheduleTick(state);
    return std::make_unique<Timer>(state, activeTimers_);
}

void FakeMainQueue::scheduleTick(const std::shared_ptr<TimerState>& timer) {
    std::weak_ptr<TimerState> weak = timer;
    schedule(now_ + timer->interval, [this, weak] {
        const auto state = weak.lock();
        if (!state || !state->valid) {
            return;
        }
        scheduleTick(state);
        // The tick may invalidate the timer; keep the callable alive while it runs.
        const Task tick = state->tick;
        tick();
    });
}

void FakeMainQueue::schedule(Duration deadline, Task task) {
    pending_.emplace(std::make_pair(deadline, nextSequence_++), std::move(task));
}

void FakeMainQueue::advance(Duration span) {
    const Duration end = now_ + span;
    while (!pending_.empty() && pending_.begin()->first.first <= end) {
        auto next = pending_.extract(pending_.begin());
        now_ = next.key().first;
        next.mapped()();
    }
    now_ = end;
}

std::size_t FakeMainQueue::activeTimerCount() const {
    return *activeTimers_;
}

}  // namespace platform
