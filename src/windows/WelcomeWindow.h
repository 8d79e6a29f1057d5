#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "shortcut/Hotkey.h"
#include "ui/TitledWindow.h"

class QPushButton;
class ShortcutField;

// The first-run window: it greets the user and records the global shortcut in a field that is
// already recording when the window opens. It reports once, with the shortcut, or with none
// when the user skips or closes it; what happens next is the owner's business.
class WelcomeWindow final : public TitledWindow {
public:
    WelcomeWindow();

    /// Stores `completion` (replacing an earlier one), centres the window, shows it, activates
    /// it and starts recording.
    void present(std::function<void(std::optional<Hotkey>)> completion);

    ShortcutField& shortcutField() { return *shortcutField_; }
    QPushButton& skipButton() { return *skipButton_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void skipClicked();
    /// The one way the window ends: reports `value` the first time only, then closes. The
    /// owner may schedule the window's deletion from the completion, so nothing may follow
    /// the close.
    void complete(std::optional<Hotkey> value);

    std::function<void(std::optional<Hotkey>)> completion_;
    bool didComplete_ = false;
    ShortcutField* shortcutField_;
    QPushButton* skipButton_;
};
