#include <gtest/gtest.h>

#include "platform/fake/FakeMainQueue.h"

namespace {

using platform::Duration;
using platform::FakeMainQueue;
using platform::WorkItem;
using namespace std::chrono_literals;

TEST(FakeMainQueue, RunsWorkInDeadlineOrderOnlyWhenTheClockReachesIt) {
    FakeMainQueue queue;
    std::vector<std::string> log;
    queue.asyncAfter(200ms, [&] { log.push_back("200 first"); });
    queue.asyncAfter(150ms, [&] { log.push_back("150"); });
    queue.async([&] { log.push_back("now"); });
    queue.asyncAfter(200ms, [&] { log.push_back("200 second"); });
    EXPECT_TRUE(log.empty()) << "nothing runs inside the current event";
    queue.advance(149ms);
    EXPECT_EQ(log, std::vector<std::string>{"now"});
    queue.advance(1ms);
    EXPECT_EQ(log.back(), "150");
    queue.advance(50ms);
    EXPECT_EQ(log, (std::vector<std::string>{"now", "150", "200 first", "200 second"}));
    EXPECT_EQ(queue.now(), 200ms);
}

TEST(FakeMainQueue, RunsWorkScheduledWhileAdvancingAtItsOwnTime) {
    FakeMainQueue queue;
    std::vector<Duration> ranAt;
    queue.asyncAfter(150ms, [&] {
        ranAt.push_back(queue.now());
        queue.asyncAfter(200ms, [&] { ranAt.push_back(queue.now()); });
        queue.async([&] { ranAt.push_back(queue.now()); });
    });
    queue.advance(1s);
    EXPECT_EQ(ranAt, (std::vector<Duration>{150ms, 150ms, 350ms}));
    EXPECT_EQ(queue.pendingCount(), 0u);
}

TEST(FakeMainQueue, CancelledWorkItemsDoNotRun) {
    FakeMainQueue queue;
    int runs = 0;
    const auto kept = WorkItem::make([&] { ++runs; });
    const auto cancelled = WorkItem::make([&] { runs += 100; });
    queue.asyncAfter(100ms, kept);
    queue.asyncAfter(100ms, cancelled);
    cancelled->cancel();
    queue.advance(100ms);
    EXPECT_EQ(runs, 1);
    kept->cancel();
    EXPECT_TRUE(kept->isCancelled()) << "cancelling after it ran changes nothing else";
    EXPECT_EQ(runs, 1);
}

TEST(FakeMainQueue, RepeatingTimerTicksUntilInvalidatedOrDestroyed) {
    FakeMainQueue queue;
    std::vector<Duration> ticks;
    auto timer = queue.scheduleRepeating(500ms, [&] { ticks.push_back(queue.now()); });
    EXPECT_EQ(queue.activeTimerCount(), 1u);
    queue.advance(1600ms);
    EXPECT_EQ(ticks, (std::vector<Duration>{500ms, 1000ms, 1500ms}));
    timer->invalidate();
    EXPECT_FALSE(timer->isValid());
    EXPECT_EQ(queue.activeTimerCount(), 0u);
    queue.advance(2s);
    EXPECT_EQ(ticks.size(), 3u);

    int destroyedTicks = 0;
    queue.scheduleRepeating(1s, [&] { ++destroyedTicks; }).reset();
    queue.advance(3s);
    EXPECT_EQ(destroyedTicks, 0);
}

TEST(FakeMainQueue, TimerInvalidatedFromItsOwnTickStops) {
    FakeMainQueue queue;
    int ticks = 0;
    std::unique_ptr<platform::RepeatingTimer> timer;
    timer = queue.scheduleRepeating(1s, [&] {
        if (++ticks == 2) {
            timer->invalidate();
        }
    });
    queue.advance(10s);
    EXPECT_EQ(ticks, 2);
}

}  // namespace
