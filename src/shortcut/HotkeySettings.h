#pragma once

#include <optional>

#include "shortcut/Hotkey.h"

// The global shortcut kept across launches.
namespace HotkeySettings {

/// The stored shortcut, read afresh; absent until one has been saved, or when any of its three
/// stored values is missing. The display string is returned as stored, not recomputed.
std::optional<Hotkey> saved();
/// Stores `hotkey`, replacing any earlier one.
void save(const Hotkey& hotkey);

}  // namespace HotkeySettings
