#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// The user's current keyboard layout, as the window system reports key presses: each press
// carries the key's native scan code and the native modifier state, which only the layout can
// read. The implementation reads the layout again whenever the window system reports a new one.
class KeyboardLayout {
public:
    KeyboardLayout() = default;
    KeyboardLayout(const KeyboardLayout&) = delete;
    KeyboardLayout& operator=(const KeyboardLayout&) = delete;
    virtual ~KeyboardLayout() = default;

    /// The layout-independent key code of the key at `scanCode`; keyCode::unknown when it has
    /// none.
    virtual std::uint16_t keyCodeOf(std::uint32_t scanCode) const = 0;
    /// What the key at `scanCode` types with only the Shift, Caps Lock and Num Lock of
    /// `nativeModifiers` applied, whatever else is held; none for a key that types nothing.
    virtual std::optional<std::string> charactersAtShiftLevel(std::uint32_t scanCode,
                                                              std::uint32_t nativeModifiers) = 0;
    /// Whether Caps Lock is on in `nativeModifiers`.
    virtual bool capsLockIsOn(std::uint32_t nativeModifiers) const = 0;
};

}  // namespace platform
