#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Layout-independent key codes: the key's position, numbered as on the keyboards the design
// was drawn for, whatever the layout types there.
namespace keyCode {
inline constexpr std::uint16_t a = 0;
inline constexpr std::uint16_t c = 8;
inline constexpr std::uint16_t v = 9;
inline constexpr std::uint16_t returnKey = 36;
inline constexpr std::uint16_t tab = 48;
inline constexpr std::uint16_t space = 49;
inline constexpr std::uint16_t deleteKey = 51;  // backspace
inline constexpr std::uint16_t escape = 53;
inline constexpr std::uint16_t keypadEnter = 76;
inline constexpr std::uint16_t leftArrow = 123;
inline constexpr std::uint16_t rightArrow = 124;
inline constexpr std::uint16_t downArrow = 125;
inline constexpr std::uint16_t upArrow = 126;
// A key that has no layout-independent code (Print, Pause, ...).
inline constexpr std::uint16_t unknown = 0xFFFF;
}  // namespace keyCode

// Device-independent modifier bits of a key event, by key position: Ctrl is control, Alt is
// option, Super is command.
namespace modifierFlag {
inline constexpr std::uint64_t capsLock = 0x10000;
inline constexpr std::uint64_t shift = 0x20000;
inline constexpr std::uint64_t control = 0x40000;
inline constexpr std::uint64_t option = 0x80000;
inline constexpr std::uint64_t command = 0x100000;
}  // namespace modifierFlag

// One key press as the portable code sees it.
struct KeyEvent {
    std::uint16_t keyCode = 0;
    std::uint64_t modifierFlags = 0;
    /// What the key types with only Shift (and Caps Lock) applied; absent for keys that type
    /// nothing.
    std::optional<std::string> charactersIgnoringModifiers;

    bool operator==(const KeyEvent&) const = default;
};

}  // namespace platform
