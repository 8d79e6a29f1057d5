#include "shortcut/Hotkey.h"

#include "catalogue/UnicodeText.h"
#include "platform/HotkeyService.h"

namespace {

struct Modifier {
    std::uint64_t flag;
    std::uint32_t carbonBit;
    std::string_view symbol;
};

// In the order their symbols are written.
constexpr Modifier modifiers[] = {
    {platform::modifierFlag::control, platform::carbonModifier::control, "⌃"},
    {platform::modifierFlag::option, platform::carbonModifier::option, "⌥"},
    {platform::modifierFlag::shift, platform::carbonModifier::shift, "⇧"},
    {platform::modifierFlag::command, platform::carbonModifier::command, "⌘"},
};

}  // namespace

std::uint32_t Hotkey::carbonModifiersFrom(std::uint64_t modifierFlags) {
    std::uint32_t mask = 0;
    for (const Modifier& modifier : modifiers) {
        if ((modifierFlags & modifier.flag) != 0) {
            mask |= modifier.carbonBit;
        }
    }
    return mask;
}

std::string Hotkey::displayStringFrom(std::uint64_t modifierFlags, std::string_view characters) {
    std::string text;
    for (const Modifier& modifier : modifiers) {
        if ((modifierFlags & modifier.flag) != 0) {
            text += modifier.symbol;
        }
    }
    text += characters == " " ? std::string("Space") : UnicodeText::uppercased(characters);
    return text;
}

std::optional<Hotkey> Hotkey::recordedFrom(const platform::KeyEvent& event) {
    const std::uint32_t mask = carbonModifiersFrom(event.modifierFlags);
    if (mask == 0 || !event.charactersIgnoringModifiers ||
        event.charactersIgnoringModifiers->empty()) {
        return std::nullopt;
    }
    return Hotkey{event.keyCode, mask,
                  displayStringFrom(event.modifierFlags, *event.charactersIgnoringModifiers)};
}
