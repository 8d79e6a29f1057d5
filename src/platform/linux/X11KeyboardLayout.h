#pragma once

#include <memory>

#include "platform/KeyboardLayout.h"

namespace platform {

// The X server's keyboard layout, read with xkbcommon from Qt's own connection the first time a
// key is asked about (so make it after the application object, or ask after), and read again
// when the server reports a new keymap or key mapping (setxkbmap, a layout switch that loads
// another keymap). Without an X connection of Qt's, no key types anything.
class X11KeyboardLayout final : public KeyboardLayout {
public:
    X11KeyboardLayout();
    ~X11KeyboardLayout() override;

    std::uint16_t keyCodeOf(std::uint32_t scanCode) const override;
    std::optional<std::string> charactersAtShiftLevel(std::uint32_t scanCode,
                                                      std::uint32_t nativeModifiers) override;
    bool capsLockIsOn(std::uint32_t nativeModifiers) const override;

private:
    class Keymap;

    std::unique_ptr<Keymap> keymap_;
    bool triedKeymap_ = false;
};

}  // namespace platform
