#include <gtest/gtest.h>

#include <vector>

#include "paste/PastePermissionMonitor.h"
#include "platform/fake/FakePlatform.h"

namespace {

using namespace std::chrono_literals;
using PastePermission::State;
using States = std::vector<State>;

class PastePermissionMonitorTest : public testing::Test {
protected:
    platform::FakePlatform platform;
    States reports;
    PastePermissionMonitor monitor{[this](State state) { reports.push_back(state); }};
};

TEST_F(PastePermissionMonitorTest, ReportsNothingUntilStarted) {
    platform.queue.advance(5s);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(platform.queue.activeTimerCount(), 0u);
}

TEST_F(PastePermissionMonitorTest, StartingTwiceReportsOnceWithOneTimer) {
    monitor.start();
    monitor.start();
    EXPECT_EQ(reports, States{State::granted});
    EXPECT_EQ(platform.queue.activeTimerCount(), 1u);
    platform.queue.advance(3s);
    EXPECT_EQ(reports, States{State::granted}) << "an unchanged state is not reported again";
}

TEST_F(PastePermissionMonitorTest, StartStopStartReportsAnUnchangedStateAgain) {
    monitor.start();
    monitor.stop();
    EXPECT_EQ(platform.queue.activeTimerCount(), 0u);
    monitor.start();
    EXPECT_EQ(reports, (States{State::granted, State::granted}));
}

TEST_F(PastePermissionMonitorTest, ReportsAChangeWithinASecondOnce) {
    monitor.start();
    platform.queue.advance(300ms);
    platform.inputAccess.trusted = false;
    platform.queue.advance(699ms);
    EXPECT_EQ(reports, States{State::granted});
    platform.queue.advance(1ms);
    EXPECT_EQ(reports, (States{State::granted, State::needsAccessibility}));
    platform.queue.advance(5s);
    EXPECT_EQ(reports, (States{State::granted, State::needsAccessibility}));

    platform.inputAccess.trusted = true;
    platform.inputAccess.postEventsAllowed = false;
    platform.queue.advance(1s);
    EXPECT_EQ(reports.back(), State::needsRestart);
}

TEST(PastePermissionMonitorLifetime, EndsItsTimerWhenDestroyed) {
    platform::FakePlatform platform;
    int reports = 0;
    {
        PastePermissionMonitor monitor{[&](State) { ++reports; }};
        monitor.start();
        EXPECT_EQ(platform.queue.activeTimerCount(), 1u);
    }
    EXPECT_EQ(platform.queue.activeTimerCount(), 0u);
    platform.inputAccess.trusted = false;
    platform.queue.advance(3s);
    EXPECT_EQ(reports, 1);
}

}  // namespace
