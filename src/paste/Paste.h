#pragma once

#include <optional>
#include <string>

#include "platform/Workspace.h"

// Putting an emoji into the window the user was typing in, through the clipboard and a
// synthetic paste keystroke, with the user's clipboard put back afterwards.
namespace Paste {

/// Brings `target` back to the front at once and pastes `emoji` into whatever window is in
/// front 0.15 s later; the clipboard holds what it held before again 0.2 s after that. Without
/// a target nothing is activated and the paste goes to the window in front.
void pasteEmoji(const std::string& emoji, const std::optional<platform::TargetWindow>& target);

/// Posts Ctrl+V, the paste keystroke of most programs; false when it could not be made.
bool postPasteShortcut();

}  // namespace Paste
