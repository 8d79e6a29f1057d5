#pragma once

#include <vector>

#include "platform/KeystrokePoster.h"
#include "platform/MainQueue.h"
#include "platform/linux/XDisplayConnection.h"

namespace platform {

// Keystrokes typed through the XTEST extension, with key codes looked up in the keymap at the
// moment of typing.
//
// XTEST types into the real key state: a modifier the user still holds would join the
// keystroke (Ctrl+Shift+V pastes nothing in GTK). Pressing held keys again after releasing them
// leaves a key stuck when the user lets go in between, so the poster waits briefly for the
// user to let go, then releases what is still held and never presses it again.
class XTestKeystrokePoster final : public KeystrokePoster {
public:
    XTestKeystrokePoster(const XDisplayConnection& display, MainQueue& queue)
        : display_(display), queue_(queue) {}

    bool postPaste(PasteKeystroke keystroke) override;

private:
    struct Keys {
        unsigned modifier;
        unsigned key;
    };

    void refreshKeymap();
    void postWhenModifiersReleased(Keys keys, int checksLeft);
    std::vector<unsigned> heldModifierKeys() const;

    const XDisplayConnection& display_;
    MainQueue& queue_;
};

}  // namespace platform
