#pragma once

#include "platform/KeyEvent.h"

class QKeyEvent;

namespace platform {

/// The key press as the portable code sees it: the key's position as a layout-independent key
/// code, the modifiers by key position (Ctrl control, Alt option, Shift shift, Super command),
/// and what the key types in the current layout with only Shift, Caps Lock and Num Lock
/// applied.
KeyEvent keyEventFrom(const QKeyEvent& event);

}  // namespace platform
