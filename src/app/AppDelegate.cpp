#include "app/AppDelegate.h"

#include "app/TimingLog.h"
#include "app/WeakCallback.h"
#include "catalogue/RecentsStore.h"
#include "menubar/NoticePanel.h"
#include "menubar/StatusItemController.h"
#include "paste/Paste.h"
#include "paste/PastePermission.h"
#include "paste/PermissionWindow.h"
#include "picker/PickerPanel.h"
#include "platform/Pasteboard.h"
#include "platform/Platform.h"
#include "shortcut/Hotkey.h"
#include "shortcut/HotkeyMonitor.h"
#include "shortcut/HotkeyRecorderPanel.h"
#include "shortcut/HotkeySettings.h"
#include "windows/SettingsWindow.h"
#include "windows/WelcomeWindow.h"

namespace {

using namespace std::chrono_literals;

constexpr auto copyNoticeDuration = 5s;
// Longer than the copy notice: the user has to act on it, and may be looking elsewhere while
// the program starts.
constexpr auto refusedShortcutNoticeDuration = 8s;

}  // namespace

AppDelegate::AppDelegate() : noticePanel_(std::make_unique<NoticePanel>()) {}

AppDelegate::~AppDelegate() = default;

void AppDelegate::finishLaunching() {
    panel_ = std::make_unique<PickerPanel>();
    panel_->controller().onPaste =
        weakly(this, [](AppDelegate& self, const std::string& emoji) { self.handlePaste(emoji); });
    panel_->controller().onCopy =
        weakly(this, [](AppDelegate& self, const std::string& emoji) { self.copy(emoji); });

    const std::optional<Hotkey> stored = HotkeySettings::saved();

    statusItemController_ = std::make_unique<StatusItemController>(
        stored ? std::optional(stored->displayString) : std::nullopt,
        weakly(this, [](AppDelegate& self) { self.toggle(); }),
        weakly(this, [](AppDelegate& self) { self.beginRecordingShortcut(); }),
        weakly(this, [](AppDelegate& self) { self.openSettings(); }),
        weakly(this, [](AppDelegate& self) { self.presentPermissionWindow(false); }));

    if (stored) {
        registerHotkey(*stored);
    } else {
        presentFirstRunSetup();
    }

    if (const std::optional<bool> resume = PastePermission::consumeResume()) {
        presentPermissionWindow(*resume);
    }
    timing::mark("launched");
}

void AppDelegate::toggle() {
    if (!panel_) {
        return;
    }
    if (panel_->isVisible()) {
        panel_->dismiss();
        return;
    }
    capturedTargetWindow_ = platform::workspace().frontmostWindow();
    timing::mark("picker-opening");
    panel_->present();
}

void AppDelegate::openPicker() {
    if (panel_ && !panel_->isVisible()) {
        toggle();
    }
}

std::optional<platform::TargetWindow> AppDelegate::takePick(const std::string& emoji) {
    std::optional<platform::TargetWindow> target = capturedTargetWindow_;
    panel_->dismiss();
    RecentsStore::record(emoji);
    return target;
}

void AppDelegate::handlePaste(const std::string& emoji) {
    if (!panel_) {
        return;
    }
    const std::optional<platform::TargetWindow> target = takePick(emoji);
    if (PastePermission::current() == PastePermission::State::granted) {
        Paste::pasteEmoji(emoji, target);
        return;
    }
    copyToClipboard(emoji, target);
    noticePanel_->show(
        "Copied " + emoji + " — paste it with ⌘V", "Click to let Zembril paste for you",
        copyNoticeDuration,
        weakly(this, [](AppDelegate& self) { self.presentPermissionWindow(false); }));
}

void AppDelegate::copy(const std::string& emoji) {
    if (!panel_) {
        return;
    }
    copyToClipboard(emoji, takePick(emoji));
}

void AppDelegate::copyToClipboard(const std::string& emoji,
                                  const std::optional<platform::TargetWindow>& target) {
    if (target) {
        platform::workspace().activate(*target);
    }
    platform::pasteboard().writeText(platform::Selection::clipboard, emoji, {});
}

void AppDelegate::registerHotkey(const Hotkey& hotkey) {
    // The new monitor grabs its keys before the old one lets go of its own, so re-recording the
    // same shortcut never leaves a moment without it.
    auto monitor = std::make_unique<HotkeyMonitor>(hotkey.keyCode, hotkey.carbonModifiers,
                                                   weakly(this, [](AppDelegate& self) {
                                                       timing::mark("shortcut-pressed");
                                                       self.toggle();
                                                   }));
    const bool registered = monitor->isRegistered();
    hotkeyMonitor_ = std::move(monitor);
    timing::mark("shortcut-registered");
    if (!registered) {
        // Another program holds the combination; the menu would otherwise name a shortcut that
        // does nothing.
        noticePanel_->show(hotkey.displayString + " is used by another app",
                           "Click to choose another shortcut", refusedShortcutNoticeDuration,
                           weakly(this, [](AppDelegate& self) { self.beginRecordingShortcut(); }));
    }
}

void AppDelegate::adoptHotkey(const Hotkey& hotkey) {
    HotkeySettings::save(hotkey);
    registerHotkey(hotkey);
    statusItemController_->updateShortcutTitle(hotkey.displayString);
}
