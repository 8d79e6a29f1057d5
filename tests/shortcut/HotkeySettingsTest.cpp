#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"
#include "shortcut/HotkeySettings.h"

namespace {

class HotkeySettingsTest : public testing::Test {
protected:
    platform::FakePlatform fake_;
    platform::FakeDefaultsStore& store_ = fake_.defaults;
};

TEST_F(HotkeySettingsTest, FreshInstallationHasNoShortcut) {
    EXPECT_FALSE(HotkeySettings::saved());
}

TEST_F(HotkeySettingsTest, SavedShortcutReadsBackAndIsReplacedByTheNextSave) {
    HotkeySettings::save({49, 0x1800, "⌃⌥Space"});
    auto saved = HotkeySettings::saved();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->keyCode, 49u);
    EXPECT_EQ(saved->carbonModifiers, 0x1800u);
    EXPECT_EQ(saved->displayString, "⌃⌥Space");

    HotkeySettings::save({0, 0x0100, "⌘A"});
    saved = HotkeySettings::saved();
    ASSERT_TRUE(saved) << "key code 0 is the A key";
    EXPECT_EQ(saved->keyCode, 0u);
    EXPECT_EQ(saved->carbonModifiers, 0x0100u);
    EXPECT_EQ(saved->displayString, "⌘A");
    EXPECT_EQ(store_.integer(prefs::keys::hotkeyKeyCode), 0);
    EXPECT_EQ(store_.integer(prefs::keys::hotkeyModifiers), 0x0100);
}

TEST_F(HotkeySettingsTest, ReadsStoredValuesAsTheyAreWithoutCheckingThem) {
    store_.setObject(prefs::keys::hotkeyKeyCode, std::int64_t{49});
    store_.setObject(prefs::keys::hotkeyModifiers, std::int64_t{0});
    store_.setObject(prefs::keys::hotkeyDisplayString, std::string("anything"));
    const auto saved = HotkeySettings::saved();
    ASSERT_TRUE(saved) << "a mask of 0 is returned, not rejected";
    EXPECT_EQ(saved->carbonModifiers, 0u);
    EXPECT_EQ(saved->displayString, "anything") << "not recomputed from key and mask";
}

TEST_F(HotkeySettingsTest, AnyMissingValueMeansNoShortcut) {
    const std::string_view keys[] = {prefs::keys::hotkeyKeyCode, prefs::keys::hotkeyModifiers,
                                     prefs::keys::hotkeyDisplayString};
    for (const std::string_view missing : keys) {
        HotkeySettings::save({49, 0x1800, "⌃⌥Space"});
        store_.removeObject(missing);
        EXPECT_FALSE(HotkeySettings::saved()) << "without " << missing;
    }
}

}  // namespace
