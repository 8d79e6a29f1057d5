#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "platform/linux/QtMainQueue.h"
#include "support/RunUntil.h"

namespace {

using namespace std::chrono_literals;

TEST(QtMainQueue, RunsWorkAfterTheCurrentEventInDeadlineOrder) {
    platform::QtMainQueue queue;
    std::vector<std::string> log;
    queue.asyncAfter(30ms, [&] { log.push_back("later"); });
    const auto cancelled = platform::WorkItem::make([&] { log.push_back("cancelled"); });
    queue.asyncAfter(10ms, cancelled);
    cancelled->cancel();
    queue.async([&] { log.push_back("soon"); });
    EXPECT_TRUE(log.empty());
    runUntil([&] { return log.size() >= 2; });
    EXPECT_EQ(log, (std::vector<std::string>{"soon", "later"}));
}

TEST(QtMainQueue, RepeatingTimerStopsWhenInvalidated) {
    platform::QtMainQueue queue;
    int ticks = 0;
    std::unique_ptr<platform::RepeatingTimer> timer;
    timer = queue.scheduleRepeating(5ms, [&] {
        if (++ticks == 3) {
            timer->invalidate();
        }
    });
    runUntil([&] { return ticks >= 3; });
    EXPECT_FALSE(timer->isValid());
    QEventLoop settle;
    QTimer::singleShot(30ms, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_EQ(ticks, 3);
}

TEST(QtMainQueue, DropsPendingWorkWithTheQueue) {
    bool ran = false;
    {
        platform::QtMainQueue queue;
        queue.async([&] { ran = true; });
        queue.asyncAfter(1ms, [&] { ran = true; });
    }
    QEventLoop settle;
    QTimer::singleShot(20ms, &settle, &QEventLoop::quit);
    settle.exec();
    EXPECT_FALSE(ran);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
