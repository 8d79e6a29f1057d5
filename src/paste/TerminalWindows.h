#pragma once

#include "platform/Workspace.h"

namespace TerminalWindows {

/// Whether `window` belongs to a terminal emulator, which pastes with Shift+Insert from the
/// primary selection instead of with Ctrl+V.
bool contains(const platform::TargetWindow& window);

}  // namespace TerminalWindows
