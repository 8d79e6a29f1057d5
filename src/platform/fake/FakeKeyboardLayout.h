#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/KeyboardLayout.h"

namespace platform {

// A keyboard with two small layouts, for tests that type: the letters, digits, space, the keys
// around them and the keypad of a US and a German PC keyboard. Scan codes and modifier bits are
// X's (evdev codes + 8; Shift 0x1, Caps Lock 0x2, Num Lock 0x10), as on the real keyboard.
class FakeKeyboardLayout final : public KeyboardLayout {
public:
    enum class Layout { us, german };

    // X core event state bits, for tests that make key events.
    static constexpr std::uint32_t shiftState = 0x1;
    static constexpr std::uint32_t capsLockState = 0x2;
    static constexpr std::uint32_t numLockState = 0x10;

    /// Switches layouts, as a user switching layouts does.
    void use(Layout layout) { layout_ = layout; }

    std::uint16_t keyCodeOf(std::uint32_t scanCode) const override;
    std::optional<std::string> charactersAtShiftLevel(std::uint32_t scanCode,
                                                      std::uint32_t nativeModifiers) override;
    bool capsLockIsOn(std::uint32_t nativeModifiers) const override;

private:
    Layout layout_ = Layout::us;
};

}  // namespace platform
