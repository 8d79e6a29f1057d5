#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "platform/KeyEvent.h"
#include "shortcut/Hotkey.h"

class QLabel;

// The small floating panel that asks for a new global shortcut: the first key pressed with at
// least one of Control, Option, Shift or Command becomes the shortcut; Escape alone cancels.
// It takes the keyboard when shown and waits, whatever else the user does, until one of the two.
class HotkeyRecorderPanel final : public QWidget {
public:
    static constexpr int panelWidth = 360;
    static constexpr int panelHeight = 90;

    HotkeyRecorderPanel();

    /// Called once, with the recorded shortcut or with nothing on cancel, then cleared.
    std::function<void(std::optional<Hotkey>)> completion;

    /// Centres the panel on the primary screen's visible area; without a screen it stays put.
    void centerOnActiveScreen();
    /// Shows the panel above other windows and gives it the keyboard.
    void showAndActivate();
    /// Records or cancels from one key press.
    void keyDown(const platform::KeyEvent& event);

    QLabel& label() { return *label_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void finish(std::optional<Hotkey> hotkey);

    QLabel* label_;
};
