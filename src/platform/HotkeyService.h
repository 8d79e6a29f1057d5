#pragma once

#include <cstdint>
#include <functional>

namespace platform {

// The modifier mask a global shortcut is registered with (the Carbon bits).
namespace carbonModifier {
inline constexpr std::uint32_t command = 0x0100;
inline constexpr std::uint32_t shift = 0x0200;
inline constexpr std::uint32_t option = 0x0800;
inline constexpr std::uint32_t control = 0x1000;
}  // namespace carbonModifier

// System-wide shortcuts: each registered one reports its presses, whichever window has the
// keyboard, to the one handler of the process.
class HotkeyService {
public:
    /// Called on the main thread with the id of the shortcut pressed; answers whether the press
    /// was handled, so that nothing else sees it.
    using PressHandler = std::function<bool(std::uint32_t id)>;

    HotkeyService() = default;
    HotkeyService(const HotkeyService&) = delete;
    HotkeyService& operator=(const HotkeyService&) = delete;
    virtual ~HotkeyService() = default;

    /// Whether a press handler has been installed.
    virtual bool hasPressHandler() const = 0;
    /// Makes `handler` receive every press of every registered shortcut from now on.
    virtual void installPressHandler(PressHandler handler) = 0;
    /// Registers `keyCode` (a platform::keyCode position) with the `carbonModifiers` mask under
    /// `id`; 0 when registered, else a non-zero status and nothing is registered.
    virtual int registerHotkey(std::uint32_t keyCode, std::uint32_t carbonModifiers,
                               std::uint32_t id) = 0;
    /// Ends the registration made under `id`.
    virtual void unregisterHotkey(std::uint32_t id) = 0;
};

}  // namespace platform
