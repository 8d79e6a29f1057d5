#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"
#include "prefs/StoredPreferences.h"

namespace {

using platform::DefaultsValue;
using platform::OtherValue;

class StoredPreferencesTest : public testing::Test {
protected:
    platform::FakePlatform fake_;
    platform::FakeDefaultsStore& store_ = fake_.defaults;
};

TEST_F(StoredPreferencesTest, ShortcutExistsOnlyAsAWholeRecord) {
    EXPECT_FALSE(prefs::shortcut()) << "first start";
    const struct {
        const char* why;
        std::optional<DefaultsValue> keyCode, modifiers, displayString;
        std::optional<prefs::StoredShortcut> expected;
    } cases[] = {
        {"key code 0 is a real key", std::int64_t{0}, std::int64_t{0x40000 | 0x80000},
         std::string("⌃⌥A"), prefs::StoredShortcut{0, 0xC0000, "⌃⌥A"}},
        {"no display string", std::int64_t{49}, std::int64_t{0x40000}, std::nullopt, std::nullopt},
        {"no modifiers", std::int64_t{49}, std::nullopt, std::string("x"), std::nullopt},
        {"no key code", std::nullopt, std::int64_t{0x40000}, std::string("x"), std::nullopt},
        {"display string not a string", std::int64_t{49}, std::int64_t{0},
         platform::StringArray{"x"}, std::nullopt},
        {"numeric display string reads as its text", std::int64_t{49}, std::int64_t{0},
         std::int64_t{7}, prefs::StoredShortcut{49, 0, "7"}},
        {"key code beyond 32 bits", std::int64_t{1} << 32, std::int64_t{0}, std::string("x"),
         std::nullopt},
        {"negative modifiers", std::int64_t{49}, std::int64_t{-1}, std::string("x"), std::nullopt},
        {"key code as text", std::string("49"), std::int64_t{0}, std::string("x"),
         prefs::StoredShortcut{49, 0, "x"}},
    };
    for (const auto& c : cases) {
        const std::pair<std::string_view, const std::optional<DefaultsValue>*> keys[] = {
            {prefs::keys::hotkeyKeyCode, &c.keyCode},
            {prefs::keys::hotkeyModifiers, &c.modifiers},
            {prefs::keys::hotkeyDisplayString, &c.displayString}};
        for (const auto& [key, value] : keys) {
            if (*value) {
                store_.setObject(key, **value);
            } else {
                store_.removeObject(key);
            }
        }
        EXPECT_EQ(prefs::shortcut(), c.expected) << c.why;
    }
}

TEST_F(StoredPreferencesTest, ShortcutRoundTripsAndOverwritesInOneWriteEach) {
    prefs::setShortcut({49, 0xC0000, "⌃⌥Space"});
    prefs::setShortcut({0, 0x100000, "⌘A"});
    // A reader between two writes would find half of a shortcut.
    EXPECT_EQ(store_.writeCount(), 2u);
    EXPECT_EQ(prefs::shortcut(), (prefs::StoredShortcut{0, 0x100000, "⌘A"}));
    EXPECT_EQ(store_.integer(prefs::keys::hotkeyKeyCode), 0);
    EXPECT_EQ(store_.integer(prefs::keys::hotkeyModifiers), 0x100000);
    EXPECT_EQ(store_.string(prefs::keys::hotkeyDisplayString), "⌘A");
}

TEST_F(StoredPreferencesTest, RecentEmojiAreEmptyUnlessAListOfStrings) {
    EXPECT_TRUE(prefs::recentEmoji().empty());
    store_.setObject(prefs::keys::recentEmoji, std::string("😀"));
    EXPECT_TRUE(prefs::recentEmoji().empty());
    store_.setObject(prefs::keys::recentEmoji, OtherValue{});
    EXPECT_TRUE(prefs::recentEmoji().empty());
    prefs::setRecentEmoji({"😀", "🐱"});
    EXPECT_EQ(prefs::recentEmoji(), (std::vector<std::string>{"😀", "🐱"}));
}

TEST_F(StoredPreferencesTest, PastePermissionRequestedIsFalseUntilRecorded) {
    EXPECT_FALSE(prefs::pastePermissionRequested());
    prefs::setPastePermissionRequested();
    EXPECT_TRUE(prefs::pastePermissionRequested());
    EXPECT_EQ(store_.object(prefs::keys::pastePermissionRequested), DefaultsValue{true});
}

TEST_F(StoredPreferencesTest, ResumeFlagResumesExactlyOneStart) {
    EXPECT_FALSE(prefs::takeResumePastePermissionSetup());
    for (const bool onboarding : {true, false}) {
        prefs::setResumePastePermissionSetup(onboarding);
        EXPECT_EQ(prefs::takeResumePastePermissionSetup(), onboarding);
        EXPECT_FALSE(store_.object(prefs::keys::resumePastePermissionSetup));
        EXPECT_FALSE(prefs::takeResumePastePermissionSetup()) << "the next start resumes nothing";
    }
    store_.setObject(prefs::keys::resumePastePermissionSetup, std::string("YES"));
    EXPECT_EQ(prefs::takeResumePastePermissionSetup(), true);
    store_.setObject(prefs::keys::resumePastePermissionSetup, std::int64_t{0});
    EXPECT_EQ(prefs::takeResumePastePermissionSetup(), false);
}

}  // namespace
