#pragma once

#include <cstdint>
#include <optional>

namespace platform {

// Key positions both ways between X key codes (evdev codes + 8, as every current X server
// numbers them) and the layout-independent key codes of platform::keyCode.

/// The key code of the key at X key code `xKeyCode`; absent for keys that have none (Print,
/// Scroll Lock, Pause, the Menu key, ...).
std::optional<std::uint16_t> keyCodeOfXKey(std::uint32_t xKeyCode);
/// The X key code of the key at `keyCode`; absent for numbers that name no key.
std::optional<std::uint8_t> xKeyOfKeyCode(std::uint32_t keyCode);

}  // namespace platform
