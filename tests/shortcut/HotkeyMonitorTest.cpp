#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/fake/FakePlatform.h"
#include "shortcut/HotkeyMonitor.h"

namespace {

using testing::ElementsAre;

class HotkeyMonitorTest : public testing::Test {
protected:
    std::unique_ptr<HotkeyMonitor> monitor(int& presses, std::uint32_t keyCode = 49,
                                           std::uint32_t modifiers = 0x1800) {
        return std::make_unique<HotkeyMonitor>(keyCode, modifiers, [&presses] { ++presses; });
    }

    platform::FakePlatform fake_;
    platform::FakeHotkeyService& service_ = fake_.hotkeys;
};

TEST_F(HotkeyMonitorTest, RegistersWithItsIdAndCallsBackOncePerPress) {
    int presses = 0;
    const auto shortcut = monitor(presses, 0, 0x0900);
    EXPECT_TRUE(shortcut->isRegistered());
    EXPECT_TRUE(service_.press(shortcut->id()));
    EXPECT_EQ(presses, 1);
    EXPECT_TRUE(service_.press(shortcut->id()));
    EXPECT_EQ(presses, 2);
    EXPECT_THAT(fake_.calls,
                ElementsAre("install press handler",
                            "register key 0 modifiers 0x900 id " + std::to_string(shortcut->id())));
}

TEST_F(HotkeyMonitorTest, IdsGrowByOneAndAreNeverReused) {
    int presses = 0;
    auto first = monitor(presses);
    const std::uint32_t firstId = first->id();
    first.reset();
    const auto second = monitor(presses);
    const auto third = monitor(presses);
    EXPECT_EQ(second->id(), firstId + 1);
    EXPECT_EQ(third->id(), firstId + 2);
}

TEST_F(HotkeyMonitorTest, InstallsThePressHandlerOnce) {
    int presses = 0;
    const auto first = monitor(presses);
    const auto second = monitor(presses, 0, 0x0100);
    EXPECT_EQ(std::count(fake_.calls.begin(), fake_.calls.end(), "install press handler"), 1);
}

TEST_F(HotkeyMonitorTest, EachPressReachesOnlyItsOwnMonitor) {
    int firstPresses = 0, secondPresses = 0;
    const auto first = monitor(firstPresses);
    const auto second = monitor(secondPresses, 0, 0x0100);
    service_.press(second->id());
    EXPECT_EQ(firstPresses, 0);
    EXPECT_EQ(secondPresses, 1);
}

TEST_F(HotkeyMonitorTest, DroppedMonitorUnregistersAndItsPressesCallNothingButAreHandled) {
    int presses = 0;
    auto shortcut = monitor(presses);
    const std::uint32_t id = shortcut->id();
    shortcut.reset();
    EXPECT_EQ(fake_.calls.back(), "unregister " + std::to_string(id));
    EXPECT_TRUE(service_.press(id));
    EXPECT_EQ(presses, 0);
}

TEST_F(HotkeyMonitorTest, RefusedRegistrationIsNotUnregisteredAndLeavesNoCallback) {
    service_.registrationStatus = 10;
    int presses = 0;
    auto shortcut = monitor(presses);
    const std::uint32_t id = shortcut->id();
    EXPECT_FALSE(shortcut->isRegistered());
    shortcut.reset();
    EXPECT_EQ(fake_.calls.back(),
              "register key 49 modifiers 0x1800 id " + std::to_string(id) + " refused");
    service_.press(id);
    EXPECT_EQ(presses, 0) << "its registry entry is gone";
}

TEST_F(HotkeyMonitorTest, PressUnknownToEveryMonitorCallsNothing) {
    int presses = 0;
    const auto shortcut = monitor(presses);
    EXPECT_TRUE(service_.press(shortcut->id() + 100));
    EXPECT_EQ(presses, 0);
}

TEST_F(HotkeyMonitorTest, CallbackMayDropItsOwnMonitor) {
    std::unique_ptr<HotkeyMonitor> shortcut;
    int presses = 0;
    shortcut = std::make_unique<HotkeyMonitor>(49, 0x1800, [&] {
        ++presses;
        shortcut.reset();
    });
    const std::uint32_t id = shortcut->id();
    service_.press(id);
    service_.press(id);
    EXPECT_EQ(presses, 1);
    EXPECT_FALSE(shortcut);
}

}  // namespace
