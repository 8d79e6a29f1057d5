#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/KeyEvent.h"

// A global shortcut: one key with at least one modifier, in the form the hot-key service takes
// and in the form the user reads.
struct Hotkey {
    /// The key's position (see platform::keyCode), not what the layout types there.
    std::uint32_t keyCode = 0;
    /// The OR of the platform::carbonModifier bits held with the key.
    std::uint32_t carbonModifiers = 0;
    /// Modifier symbols followed by the key's name, such as "⌃⌥Space".
    std::string displayString;

    /// The Carbon mask of the Control, Option, Shift and Command flags among a key event's
    /// modifier flags; every other flag is ignored.
    static std::uint32_t carbonModifiersFrom(std::uint64_t modifierFlags);
    /// The symbols of the held modifiers in the order ⌃⌥⇧⌘, then "Space" for one space or else
    /// `characters` in full Unicode uppercase, independent of the user's locale.
    static std::string displayStringFrom(std::uint64_t modifierFlags, std::string_view characters);
    /// The shortcut a key press records: absent when it holds none of Control, Option, Shift
    /// and Command, or types no characters (a dead key, an arrow).
    static std::optional<Hotkey> recordedFrom(const platform::KeyEvent& event);

    bool operator==(const Hotkey&) const = default;
};
