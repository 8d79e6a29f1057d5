#include "shortcut/HotkeyMonitor.h"

#include <map>
#include <utility>

#include "platform/Platform.h"

namespace {

// The service reports every press of the process to one handler with the pressed shortcut's
// id, so the callbacks of all live monitors are kept here, by id.
std::map<std::uint32_t, std::function<void()>>& registry() {
    static std::map<std::uint32_t, std::function<void()>> callbacks;
    return callbacks;
}

std::uint32_t nextID = 1;

}  // namespace

HotkeyMonitor::HotkeyMonitor(std::uint32_t keyCode, std::uint32_t modifiers,
                             std::function<void()> onPress)
    : id_(nextID++) {
    registry()[id_] = std::move(onPress);
    platform::HotkeyService& service = platform::hotkeys();
    if (!service.hasPressHandler()) {
        service.installPressHandler(hotKeyEventHandler);
    }
    isRegistered_ = service.registerHotkey(keyCode, modifiers, id_) == 0;
}

HotkeyMonitor::~HotkeyMonitor() {
    if (isRegistered_) {
        platform::hotkeys().unregisterHotkey(id_);
    }
    registry().erase(id_);
}

bool HotkeyMonitor::hotKeyEventHandler(std::uint32_t id) {
    trigger(id);
    return true;
}

void HotkeyMonitor::trigger(std::uint32_t id) {
    const auto found = registry().find(id);
    if (found != registry().end()) {
        // A copy, so that a callback that drops its own monitor does not destroy itself while
        // it runs.
        const std::function<void()> callback = found->second;
        callback();
    }
}
