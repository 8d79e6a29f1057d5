#pragma once

#include <cstdint>
#include <functional>

// Keeps one global shortcut registered for as long as it lives and calls `onPress` on the main
// thread for each press of it, whichever application has the keyboard. To change the shortcut,
// make a new monitor and then drop the old one.
class HotkeyMonitor {
public:
    /// Registers the shortcut; a refused registration leaves the monitor alive but unregistered.
    HotkeyMonitor(std::uint32_t keyCode, std::uint32_t modifiers, std::function<void()> onPress);
    /// Unregisters the shortcut, after which its presses call nothing.
    ~HotkeyMonitor();
    HotkeyMonitor(const HotkeyMonitor&) = delete;
    HotkeyMonitor& operator=(const HotkeyMonitor&) = delete;

    /// Unique within the process and never reused; the first monitor has 1.
    std::uint32_t id() const { return id_; }
    bool isRegistered() const { return isRegistered_; }

private:
    /// Receives every press of the process; a press counts as handled even when its monitor is
    /// gone, since nobody else asked for that shortcut.
    static bool hotKeyEventHandler(std::uint32_t id);
    /// Runs the callback of the live monitor `id`, at once; does nothing when there is none.
    static void trigger(std::uint32_t id);

    std::uint32_t id_;
    bool isRegistered_ = false;
};
