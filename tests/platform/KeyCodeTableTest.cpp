#include <gtest/gtest.h>

#include "platform/KeyCodeTable.h"
#include "platform/KeyEvent.h"

namespace {

using platform::keyCodeOfXKey;
using platform::xKeyOfKeyCode;

// X key codes of a PC keyboard as `xev` shows them with the evdev rules.
TEST(KeyCodeTableTest, MapsKeysByPositionBothWays) {
    namespace key = platform::keyCode;
    const struct {
        const char* key;
        std::uint16_t keyCode;
        std::uint8_t xKeyCode;
    } cases[] = {
        {"A", key::a, 38},
        {"C", key::c, 54},
        {"V", key::v, 55},
        {"Q (AZERTY A)", 12, 24},
        {"Z", 6, 52},
        {"Return", key::returnKey, 36},
        {"Tab", key::tab, 23},
        {"Space", key::space, 65},
        {"BackSpace", key::deleteKey, 22},
        {"Escape", key::escape, 9},
        {"KP_Enter", key::keypadEnter, 104},
        {"Left", key::leftArrow, 113},
        {"Right", key::rightArrow, 114},
        {"Down", key::downArrow, 116},
        {"Up", key::upArrow, 111},
        {"1", 18, 10},
        {"5", 23, 14},
        {"6", 22, 15},
        {"0", 29, 19},
        {"KP_0", 82, 90},
        {"KP_7", 89, 79},
        {"KP_9", 92, 81},
        {"grave", 50, 49},
        {"less (ISO)", 10, 94},
        {"Control_L", 59, 37},
        {"Alt_L", 58, 64},
        {"Super_L", 55, 133},
        {"Shift_L", 56, 50},
        {"F1", 122, 67},
        {"F12", 111, 96},
        {"Delete", 117, 119},
        {"Insert", 114, 118},
        {"Home", 115, 110},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(keyCodeOfXKey(c.xKeyCode), c.keyCode) << c.key;
        EXPECT_EQ(xKeyOfKeyCode(c.keyCode), c.xKeyCode) << c.key;
    }
}

TEST(KeyCodeTableTest, KeysWithoutACounterpartHaveNone) {
    const struct {
        const char* key;
        std::uint32_t xKeyCode;
    } xKeys[] = {{"Print", 107},
                 {"Pause", 127},
                 {"Menu", 135},
                 {"Scroll_Lock", 78},
                 {"below the evdev range", 7},
                 {"beyond a byte", 300}};
    for (const auto& c : xKeys) {
        EXPECT_EQ(keyCodeOfXKey(c.xKeyCode), std::nullopt) << c.key;
    }
    for (const std::uint32_t keyCode : {0x34u, 0x44u, 0x7Fu, 0x10000u, 0xFFFFFFFFu}) {
        EXPECT_EQ(xKeyOfKeyCode(keyCode), std::nullopt) << keyCode;
    }
}

TEST(KeyCodeTableTest, EveryMappedKeyMapsBackToItself) {
    for (std::uint32_t x = 0; x < 256; ++x) {
        if (const auto keyCode = keyCodeOfXKey(x)) {
            EXPECT_EQ(xKeyOfKeyCode(*keyCode), x) << "X key code " << x;
        }
    }
    for (std::uint32_t keyCode = 0; keyCode < 128; ++keyCode) {
        if (const auto x = xKeyOfKeyCode(keyCode)) {
            EXPECT_EQ(keyCodeOfXKey(*x), keyCode) << "key code " << keyCode;
        }
    }
}

}  // namespace
