#include "platform/fake/FakeHotkeyService.h"

#include <cstdio>
#include <string>
#include <utility>

namespace platform {

bool FakeHotkeyService::hasPressHandler() const {
    return static_cast<bool>(handler_);
}

void FakeHotkeyService::installPressHandler(PressHandler handler) {
    calls_.push_back("install press handler");
    handler_ = std::move(handler);
}

int FakeHotkeyService::registerHotkey(std::uint32_t keyCode, std::uint32_t carbonModifiers,
                                      std::uint32_t id) {
    char modifiers[16];
    std::snprintf(modifiers, sizeof modifiers, "%#x", carbonModifiers);
    std::string line = "register key " + std::to_string(keyCode) + " modifiers " + modifiers +
                       " id " + std::to_string(id);
    if (registrationStatus != 0) {
        line += " refused";
    }
    calls_.push_back(line);
    return registrationStatus;
}

void FakeHotkeyService::unregisterHotkey(std::uint32_t id) {
    calls_.push_back("unregister " + std::to_string(id));
}

bool FakeHotkeyService::press(std::uint32_t id) {
    return handler_ ? handler_(id) : false;
}

}  // namespace platform
