#pragma once

#include <QColor>
#include <QWidget>
#include <functional>
#include <optional>

#include "platform/KeyEvent.h"
#include "shortcut/Hotkey.h"

class QLabel;

// The rounded box in which the user records a global shortcut: a click starts recording, the
// next key pressed with at least one of Control, Option, Shift or Command becomes the shortcut
// and is shown; Escape or moving the focus elsewhere ends recording without one.
class ShortcutField final : public QWidget {
public:
    explicit ShortcutField(QWidget* parent = nullptr);

    /// Called after each recording with the shortcut recorded.
    std::function<void(const Hotkey&)> onRecorded;

    /// Starts recording and takes the keyboard focus.
    void beginRecording();
    /// Brings the label, border and background up to date with the recording state.
    void refresh();
    /// Records, ends recording or ignores one key press; answers false when the field is not
    /// recording and the press belongs to someone else.
    bool keyDown(const platform::KeyEvent& event);

    bool isRecording() const { return isRecording_; }
    const std::optional<Hotkey>& recordedHotkey() const { return recordedHotkey_; }
    QLabel& label() { return *label_; }
    QColor borderColor() const { return borderColor_; }
    QColor backgroundColor() const { return backgroundColor_; }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Before the label: making it sends the field events, which read the state.
    bool isRecording_ = false;
    std::optional<Hotkey> recordedHotkey_;
    QLabel* label_;
    QColor borderColor_;
    QColor backgroundColor_;
};
