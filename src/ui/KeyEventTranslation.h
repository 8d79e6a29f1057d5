#pragma once

#include "platform/KeyEvent.h"

class QKeyEvent;

/// The key press as the portable code sees it: the key's position as a layout-independent key
/// code, the modifiers by key position (Ctrl control, Alt option, Shift shift, Super command),
/// and what the key types in the current keyboard layout (platform::keyboardLayout()) with only
/// Shift, Caps Lock and Num Lock applied.
platform::KeyEvent keyEventFrom(const QKeyEvent& event);
