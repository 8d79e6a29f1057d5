#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One position of the status item's menu.
struct StatusMenuEntry {
    enum class Kind {
        allowPasting,
        allowPastingSeparator,
        openPicker,
        separator,
        changeShortcut,
        settings,
        launchAtLogin,
        about,
        quit,
    };

    Kind kind;
    /// Empty for separators.
    std::string title = {};
    /// The character that chooses the entry together with the menu modifier; empty for none.
    std::string keyEquivalent = {};
    bool visible = true;
    /// Whether the entry shows a checkmark; only "Launch at Login" has one.
    bool checkable = false;
    bool checked = false;

    bool isSeparator() const {
        return kind == Kind::allowPastingSeparator || kind == Kind::separator;
    }
    bool operator==(const StatusMenuEntry&) const = default;
};

// The status item's menu as data, and what its entries do. The view shows the entries in order
// and reads them again after every call that may change them.
class StatusMenu {
public:
    /// The menu for the shortcut shown as `displayString` (none when no shortcut is stored),
    /// with the actions of the open-picker, shortcut, settings and allow-pasting entries.
    StatusMenu(const std::optional<std::string>& displayString, std::function<void()> onOpenPicker,
               std::function<void()> onChangeShortcut, std::function<void()> onOpenSettings,
               std::function<void()> onAllowPasting);

    const std::vector<StatusMenuEntry>& entries() const { return entries_; }
    const StatusMenuEntry& entry(StatusMenuEntry::Kind kind) const;

    /// Retitles the shortcut entry for the shortcut shown as `displayString`, or none.
    void updateShortcutTitle(const std::optional<std::string>& displayString);
    /// The menu is about to open: shows "Allow Pasting…" only while pasting is not permitted.
    void menuWillOpen();

    void openPickerClicked();
    void changeShortcutClicked();
    void settingsClicked();
    void allowPastingClicked();
    /// Switches starting at login, then shows whether it is on now, whatever the switch did.
    void toggleLaunchAtLoginClicked();
    /// Ends the program once the current event has been handled.
    void quitClicked();

private:
    StatusMenuEntry& mutableEntry(StatusMenuEntry::Kind kind);
    void refreshAllowPasting();
    void refreshLaunchAtLogin();

    std::vector<StatusMenuEntry> entries_;
    std::function<void()> onOpenPicker_;
    std::function<void()> onChangeShortcut_;
    std::function<void()> onOpenSettings_;
    std::function<void()> onAllowPasting_;
};
