// The controller's window flows: first run, changing the shortcut, the permission window, the
// restart it may need, and settings.
#include "app/AppDelegate.h"
#include "app/WeakCallback.h"
#include "paste/PastePermission.h"
#include "paste/PastePermissionMonitor.h"
#include "paste/PermissionWindow.h"
#include "picker/PickerPanel.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"
#include "shortcut/Hotkey.h"
#include "shortcut/HotkeyMonitor.h"
#include "shortcut/HotkeyRecorderPanel.h"
#include "windows/SettingsWindow.h"
#include "windows/WelcomeWindow.h"

void AppDelegate::presentFirstRunSetup() {
    welcomeWindow_ = std::make_unique<WelcomeWindow>();
    welcomeWindow_->present(weakly(this, [](AppDelegate& self, std::optional<Hotkey> hotkey) {
        releaseLater(self.welcomeWindow_);
        if (hotkey) {
            self.adoptHotkey(*hotkey);
            if (PastePermission::current() != PastePermission::State::granted) {
                self.presentPermissionWindow(true);
                return;
            }
        }
        self.finishOnboarding();
    }));
}

void AppDelegate::finishOnboarding() {
    // After the event that ended onboarding, so the picker opens over whatever window is in
    // front once the finished window has gone.
    platform::mainQueue().async(weakly(this, [](AppDelegate& self) { self.openPicker(); }));
}

void AppDelegate::beginRecordingShortcut() {
    // After the menu has closed, so the recorder can take the keyboard.
    platform::mainQueue().async(weakly(this, [](AppDelegate& self) {
        self.recorderPanel_ = std::make_unique<HotkeyRecorderPanel>();
        self.recorderPanel_->completion =
            weakly(&self, [](AppDelegate& owner, std::optional<Hotkey> hotkey) {
                releaseLater(owner.recorderPanel_);
                if (hotkey) {
                    owner.adoptHotkey(*hotkey);
                }
            });
        self.recorderPanel_->centerOnActiveScreen();
        self.recorderPanel_->showAndActivate();
    }));
}

void AppDelegate::presentPermissionWindow(bool isOnboarding) {
    if (!permissionWindow_) {
        permissionWindow_ = std::make_unique<PermissionWindow>(isOnboarding);
        permissionWindow_->onRestart = weakly(
            this, [isOnboarding](AppDelegate& self) { self.restartForPermission(isOnboarding); });
        permissionWindow_->onClose = weakly(this, [isOnboarding](AppDelegate& self) {
            releaseLater(self.permissionWindow_);
            if (isOnboarding) {
                self.finishOnboarding();
            }
        });
    }
    permissionWindow_->present();
}

void AppDelegate::restartForPermission(bool isOnboarding) {
    // Letting go of the shortcut before the new instance starts lets that one grab it.
    PastePermission::relaunch(isOnboarding,
                              weakly(this, [](AppDelegate& self) { self.hotkeyMonitor_.reset(); }));
}

void AppDelegate::openSettings() {
    if (!settingsWindow_) {
        settingsWindow_ = std::make_unique<SettingsWindow>();
        settingsWindow_->onRestart =
            weakly(this, [](AppDelegate& self) { self.restartForPermission(false); });
    }
    settingsWindow_->center();
    settingsWindow_->showAndActivate();
    settingsWindow_->pasteMonitor().start();
}
