#pragma once

namespace platform {

// The keystrokes that make a window paste: Ctrl+V for most programs; Shift+Insert for
// terminals, where Ctrl+V types a control character.
enum class PasteKeystroke { controlV, shiftInsert };

// Synthetic key presses, delivered to whichever window has the keyboard as if typed.
class KeystrokePoster {
public:
    KeystrokePoster() = default;
    KeystrokePoster(const KeystrokePoster&) = delete;
    KeystrokePoster& operator=(const KeystrokePoster&) = delete;
    virtual ~KeystrokePoster() = default;

    /// Presses and releases `keystroke` carrying exactly its own modifiers, whatever keys the
    /// user holds; false when its events cannot be made, and then nothing is posted.
    virtual bool postPaste(PasteKeystroke keystroke) = 0;
};

}  // namespace platform
