#include "menubar/StatusMenu.h"

#include <algorithm>
#include <utility>

#include "paste/PastePermission.h"
#include "platform/Platform.h"

namespace {

using Kind = StatusMenuEntry::Kind;

void call(const std::function<void()>& callback) {
    if (callback) {
        callback();
    }
}

}  // namespace

StatusMenu::StatusMenu(const std::optional<std::string>& displayString,
                       std::function<void()> onOpenPicker, std::function<void()> onChangeShortcut,
                       std::function<void()> onOpenSettings, std::function<void()> onAllowPasting)
    : entries_{
          {.kind = Kind::allowPasting, .title = "Allow Pasting…"},
          {.kind = Kind::allowPastingSeparator},
          {.kind = Kind::openPicker, .title = "Open Zembril"},
          {.kind = Kind::separator},
          {.kind = Kind::changeShortcut},
          {.kind = Kind::settings, .title = "Settings…", .keyEquivalent = ","},
          {.kind = Kind::launchAtLogin, .title = "Launch at Login", .checkable = true},
          {.kind = Kind::separator},
          {.kind = Kind::about, .title = "About Zembril"},
          {.kind = Kind::separator},
          {.kind = Kind::quit, .title = "Quit", .keyEquivalent = "q"},
      },
      onOpenPicker_(std::move(onOpenPicker)),
      onChangeShortcut_(std::move(onChangeShortcut)),
      onOpenSettings_(std::move(onOpenSettings)),
      onAllowPasting_(std::move(onAllowPasting)) {
    refreshLaunchAtLogin();
    updateShortcutTitle(displayString);
    refreshAllowPasting();
}

const StatusMenuEntry& StatusMenu::entry(Kind kind) const {
    return *std::find_if(
        entries_.begin(), entries_.end(),
        [kind](const StatusMenuEntry& candidate) { return candidate.kind == kind; });
}

StatusMenuEntry& StatusMenu::mutableEntry(Kind kind) {
    return const_cast<StatusMenuEntry&>(std::as_const(*this).entry(kind));
}

void StatusMenu::updateShortcutTitle(const std::optional<std::string>& displayString) {
    mutableEntry(Kind::changeShortcut).title =
        displayString ? "Change Shortcut (" + *displayString + ")…" : "Set Shortcut…";
}

void StatusMenu::menuWillOpen() {
    refreshAllowPasting();
}

void StatusMenu::refreshAllowPasting() {
    const bool permitted = PastePermission::current() == PastePermission::State::granted;
    mutableEntry(Kind::allowPasting).visible = !permitted;
    mutableEntry(Kind::allowPastingSeparator).visible = !permitted;
}

void StatusMenu::refreshLaunchAtLogin() {
    mutableEntry(Kind::launchAtLogin).checked =
        platform::loginItem().status() == platform::LoginItemStatus::enabled;
}

void StatusMenu::openPickerClicked() {
    call(onOpenPicker_);
}

void StatusMenu::changeShortcutClicked() {
    call(onChangeShortcut_);
}

void StatusMenu::settingsClicked() {
    call(onOpenSettings_);
}

void StatusMenu::allowPastingClicked() {
    call(onAllowPasting_);
}

void StatusMenu::toggleLaunchAtLoginClicked() {
    auto& loginItem = platform::loginItem();
    if (loginItem.status() == platform::LoginItemStatus::enabled) {
        loginItem.unregisterItem();
    } else {
        loginItem.registerItem();
    }
    refreshLaunchAtLogin();
}

void StatusMenu::quitClicked() {
    platform::workspace().terminate();
}
