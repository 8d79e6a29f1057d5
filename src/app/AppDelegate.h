#pragma once

#include <QObject>
#include <memory>
#include <optional>
#include <string>

#include "platform/Workspace.h"

class HotkeyMonitor;
class HotkeyRecorderPanel;
class NoticePanel;
class PermissionWindow;
class PickerPanel;
class SettingsWindow;
class StatusItemController;
class WelcomeWindow;
struct Hotkey;

// The program's one controller: it owns every panel and window, opens the picker over the
// window the user is typing in, sends each pick to be pasted or copied, and carries the user
// through choosing a shortcut and allowing pasting. Everything runs on the main thread.
class AppDelegate final : public QObject {
public:
    AppDelegate();
    ~AppDelegate() override;
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    /// Builds the picker and the tray item, registers the stored shortcut or starts the first
    /// run, and resumes an interrupted permission setup. Called once, from the event loop.
    void finishLaunching();

    /// Hides the picker when it is shown; otherwise remembers the window in front and opens it.
    void toggle();
    /// Opens the picker unless it is already open, for another start of the program.
    void openPicker();
    /// Brings the settings window to the front, making it the first time.
    void openSettings();

    HotkeyMonitor* hotkeyMonitor() const { return hotkeyMonitor_.get(); }
    PickerPanel* panel() const { return panel_.get(); }
    HotkeyRecorderPanel* recorderPanel() const { return recorderPanel_.get(); }
    WelcomeWindow* welcomeWindow() const { return welcomeWindow_.get(); }
    SettingsWindow* settingsWindow() const { return settingsWindow_.get(); }
    PermissionWindow* permissionWindow() const { return permissionWindow_.get(); }
    NoticePanel& noticePanel() const { return *noticePanel_; }
    StatusItemController* statusItemController() const { return statusItemController_.get(); }
    const std::optional<platform::TargetWindow>& capturedTargetWindow() const {
        return capturedTargetWindow_;
    }

private:
    void handlePaste(const std::string& emoji);
    void copy(const std::string& emoji);
    /// Hides the picker and records the pick; the window to deliver to, or none.
    std::optional<platform::TargetWindow> takePick(const std::string& emoji);
    /// Brings `target` back and leaves `emoji` on the clipboard for the user to paste.
    static void copyToClipboard(const std::string& emoji,
                                const std::optional<platform::TargetWindow>& target);
    void registerHotkey(const Hotkey& hotkey);
    void adoptHotkey(const Hotkey& hotkey);

    void presentFirstRunSetup();
    void finishOnboarding();
    void beginRecordingShortcut();
    void presentPermissionWindow(bool isOnboarding);
    void restartForPermission(bool isOnboarding);

    std::unique_ptr<HotkeyMonitor> hotkeyMonitor_;
    std::unique_ptr<PickerPanel> panel_;
    std::unique_ptr<HotkeyRecorderPanel> recorderPanel_;
    std::unique_ptr<WelcomeWindow> welcomeWindow_;
    std::unique_ptr<SettingsWindow> settingsWindow_;
    std::unique_ptr<PermissionWindow> permissionWindow_;
    std::unique_ptr<NoticePanel> noticePanel_;
    std::unique_ptr<StatusItemController> statusItemController_;
    std::optional<platform::TargetWindow> capturedTargetWindow_;
};
