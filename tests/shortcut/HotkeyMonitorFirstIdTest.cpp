#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "shortcut/HotkeyMonitor.h"

namespace {

TEST(HotkeyMonitorFirstIdTest, FirstMonitorOfTheProcessGetsIdOne) {
    platform::FakePlatform fake;
    const HotkeyMonitor first(49, 0x1800, [] {});
    const HotkeyMonitor second(0, 0x0100, [] {});
    EXPECT_EQ(first.id(), 1u);
    EXPECT_EQ(second.id(), 2u);
    EXPECT_EQ(fake.hotkeys.press(1), true);
}

}  // namespace
