#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <vector>

#include "platform/HotkeyService.h"

namespace platform {

// Global shortcuts as key grabs on the root window of Qt's own X connection, so that their
// presses arrive in Qt's event loop, on the main thread, where a native event filter picks
// them out. Make it after the Qt application object.
class X11HotkeyService final : public HotkeyService, private QAbstractNativeEventFilter {
public:
    X11HotkeyService() = default;
    ~X11HotkeyService() override;

    bool hasPressHandler() const override;
    void installPressHandler(PressHandler handler) override;
    /// Refuses with X's BadAccess when another client holds the combination, and with BadValue
    /// when the key has no X key code on this keyboard or there is no X display.
    int registerHotkey(std::uint32_t keyCode, std::uint32_t carbonModifiers,
                       std::uint32_t id) override;
    void unregisterHotkey(std::uint32_t id) override;

private:
    struct Registration {
        std::uint32_t id;
        std::uint8_t xKeyCode;
        std::uint16_t modifiers;
        std::uint16_t numLock;
    };

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
    bool isGrabbed(std::uint8_t xKeyCode, std::uint16_t modifiers) const;

    PressHandler handler_;
    // In the order made: a combination registered twice (a shortcut recorded again) is grabbed
    // once and reports to its newest registration.
    std::vector<Registration> registrations_;
    // The grabbed key held down since its press, 0 when none, and the key and time of the last
    // release: X repeats a held key as presses, or as release-press pairs sharing one time.
    std::uint8_t heldKey_ = 0;
    std::uint8_t releasedKey_ = 0;
    std::uint32_t releaseTime_ = 0;
};

}  // namespace platform
