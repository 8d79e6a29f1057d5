#pragma once

#include "platform/HotkeyService.h"
#include "platform/fake/FakeCallLog.h"

namespace platform {

// Records registrations instead of making them: "install press handler",
// "register key 49 modifiers 0x1800 id 1" (with " refused" appended while `registrationStatus`
// is not 0), "unregister 1". `press` plays the part of the user pressing a shortcut.
class FakeHotkeyService final : public HotkeyService {
public:
    explicit FakeHotkeyService(FakeCallLog& calls) : calls_(calls) {}

    bool hasPressHandler() const override;
    void installPressHandler(PressHandler handler) override;
    int registerHotkey(std::uint32_t keyCode, std::uint32_t carbonModifiers,
                       std::uint32_t id) override;
    void unregisterHotkey(std::uint32_t id) override;

    /// Delivers a press of the shortcut registered under `id` to the installed handler and
    /// returns its answer; false when no handler is installed.
    bool press(std::uint32_t id);

    /// What registerHotkey answers.
    int registrationStatus = 0;

private:
    FakeCallLog& calls_;
    PressHandler handler_;
};

}  // namespace platform
