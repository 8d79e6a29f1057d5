#include "platform/linux/XTestKeystrokePoster.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>

namespace platform {
namespace {

// How long the user gets to let go of held modifiers: short, because the clipboard is put back
// 0.2 s after the keystroke and the target must fetch the emoji before that.
constexpr Duration releaseCheckInterval{10};
constexpr int releaseChecks = 5;

void postKey(Display* display, unsigned keyCode, bool down) {
    XTestFakeKeyEvent(display, keyCode, down ? True : False, CurrentTime);
}

}  // namespace

bool XTestKeystrokePoster::postPaste(PasteKeystroke keystroke) {
    Display* display = display_.get();
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (display == nullptr ||
        XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) != True) {
        return false;
    }
    refreshKeymap();
    const bool controlV = keystroke == PasteKeystroke::controlV;
    const Keys keys{XKeysymToKeycode(display, controlV ? XK_Control_L : XK_Shift_L),
                    XKeysymToKeycode(display, controlV ? XK_v : XK_Insert)};
    if (keys.modifier == 0 || keys.key == 0) {
        return false;
    }
    postWhenModifiersReleased(keys, releaseChecks);
    return true;
}

// WORKAROUND: Xlib refreshes its cached keymap only when the client reads MappingNotify, and
// this connection reads no other events; without this a layout switch would type old key codes.
void XTestKeystrokePoster::refreshKeymap() {
    Display* display = display_.get();
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify) {
            XRefreshKeyboardMapping(&event.xmapping);
        }
    }
}

void XTestKeystrokePoster::postWhenModifiersReleased(Keys keys, int checksLeft) {
    const auto held = heldModifierKeys();
    if (!held.empty() && checksLeft > 0) {
        queue_.asyncAfter(releaseCheckInterval, [this, keys, checksLeft] {
            postWhenModifiersReleased(keys, checksLeft - 1);
        });
        return;
    }
    Display* display = display_.get();
    for (const unsigned key : held) {
        postKey(display, key, false);
    }
    postKey(display, keys.modifier, true);
    postKey(display, keys.key, true);
    postKey(display, keys.key, false);
    postKey(display, keys.modifier, false);
    XFlush(display);
}

std::vector<unsigned> XTestKeystrokePoster::heldModifierKeys() const {
    Display* display = display_.get();
    std::array<char, 32> pressed{};
    XQueryKeymap(display, pressed.data());
    const auto isPressed = [&](unsigned key) {
        return (static_cast<unsigned char>(pressed[key / 8]) >> (key % 8) & 1U) != 0;
    };
    std::vector<unsigned> held;
    XModifierKeymap* modifiers = XGetModifierMapping(display);
    if (modifiers == nullptr) {
        return held;
    }
    for (int modifier = 0; modifier < 8; ++modifier) {
        // Caps Lock is a lock, not a held key: its state is left as the user set it.
        if (modifier == LockMapIndex) {
            continue;
        }
        for (int slot = 0; slot < modifiers->max_keypermod; ++slot) {
            const unsigned key = modifiers->modifiermap[modifier * modifiers->max_keypermod + slot];
            if (key != 0 && isPressed(key) &&
                std::find(held.begin(), held.end(), key) == held.end()) {
                held.push_back(key);
            }
        }
    }
    XFreeModifiermap(modifiers);
    return held;
}

}  // namespace platform
