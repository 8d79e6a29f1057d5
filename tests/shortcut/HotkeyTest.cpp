#include <gtest/gtest.h>

#include "shortcut/Hotkey.h"

namespace {

namespace flag = platform::modifierFlag;
constexpr std::uint64_t function = 0x800000;
constexpr std::uint64_t numericPad = 0x200000;

TEST(HotkeyTest, CarbonModifiersKeepOnlyTheFourModifiers) {
    const struct {
        const char* why;
        std::uint64_t flags;
        std::uint32_t expected;
    } cases[] = {
        {"none", 0, 0},
        {"control", flag::control, 0x1000},
        {"option", flag::option, 0x0800},
        {"shift", flag::shift, 0x0200},
        {"command", flag::command, 0x0100},
        {"control and option", flag::control | flag::option, 0x1800},
        {"all four", flag::control | flag::option | flag::shift | flag::command, 0x1B00},
        {"caps lock alone", flag::capsLock, 0},
        {"function and keypad ignored", flag::command | function | numericPad, 0x0100},
        {"device-dependent low bits ignored", flag::shift | 0xFFFF, 0x0200},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Hotkey::carbonModifiersFrom(c.flags), c.expected) << c.why;
    }
}

TEST(HotkeyTest, DisplayStringWritesModifiersInFixedOrderThenTheUppercasedKey) {
    const struct {
        std::uint64_t flags;
        const char* characters;
        const char* expected;
    } cases[] = {
        {flag::control | flag::option, " ", "⌃⌥Space"},
        {flag::command | flag::shift, "e", "⇧⌘E"},
        {flag::option, "ß", "⌥SS"},
        {flag::command | flag::shift | flag::option | flag::control, "k", "⌃⌥⇧⌘K"},
        {0, " ", "Space"},
        {0, "  ", "  "},
        {flag::capsLock | flag::control, "a", "⌃A"},
        {flag::option, "é", "⌥É"},
        // The root locale: a Turkish dotless-i rule would give "İ".
        {flag::control, "i", "⌃I"},
        {flag::control, "ŉ", "⌃ʼN"},
        {flag::command, "1", "⌘1"},
        {flag::control, "", "⌃"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Hotkey::displayStringFrom(c.flags, c.characters), c.expected)
            << "flags " << std::hex << c.flags << " characters \"" << c.characters << '"';
    }
}

TEST(HotkeyTest, RecordsOnlyAKeyThatTypesSomethingWithAModifier) {
    using platform::KeyEvent;
    const struct {
        const char* why;
        KeyEvent event;
        std::optional<Hotkey> expected;
    } cases[] = {
        {"control option space",
         {49, flag::control | flag::option, " "},
         Hotkey{49, 0x1800, "⌃⌥Space"}},
        {"shift alone is a modifier", {0, flag::shift, "A"}, Hotkey{0, 0x0200, "⇧A"}},
        {"option escape", {53, flag::option, "\x1b"}, Hotkey{53, 0x0800, "⌥\x1b"}},
        {"no modifier", {0, 0, "a"}, std::nullopt},
        {"caps lock is no modifier", {0, flag::capsLock, "A"}, std::nullopt},
        {"no characters", {123, flag::control, std::nullopt}, std::nullopt},
        {"empty characters (dead key)", {33, flag::option, ""}, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::optional<Hotkey> recorded = Hotkey::recordedFrom(c.event);
        ASSERT_EQ(recorded.has_value(), c.expected.has_value()) << c.why;
        if (recorded) {
            EXPECT_EQ(recorded->keyCode, c.expected->keyCode) << c.why;
            EXPECT_EQ(recorded->carbonModifiers, c.expected->carbonModifiers) << c.why;
            EXPECT_EQ(recorded->displayString, c.expected->displayString) << c.why;
        }
    }
}

}  // namespace
