#pragma once

#include <string_view>

// Every key the program stores in the user's preferences, with its stored type and meaning.
// A key that is absent has the meaning given under "absent"; nothing registers defaults.
namespace prefs::keys {

// integer, 0 to 2^32-1: key code of the global shortcut's key (layout-independent position).
// Absent: no shortcut. Written with hotkeyModifiers and hotkeyDisplayString as one record.
inline constexpr std::string_view hotkeyKeyCode = "hotkeyKeyCode";
// integer, 0 to 2^32-1: modifier mask of the global shortcut. Absent: no shortcut.
inline constexpr std::string_view hotkeyModifiers = "hotkeyModifiers";
// string: the shortcut as shown to the user, such as "⌃⌥Space". Absent: no shortcut.
inline constexpr std::string_view hotkeyDisplayString = "hotkeyDisplayString";
// array of strings: recently used emoji, newest first, at most 18, none twice, none ending in a
// skin-tone modifier. Absent or not an array of strings: the empty list.
inline constexpr std::string_view recentEmoji = "recentEmoji";
// integer, 0 to 5: the default skin tone's raw value (0 is the explicit choice of no tone).
// Absent or out of range: the user has not chosen a default yet.
inline constexpr std::string_view skinTone = "skinTone";
// Boolean: the request for paste access has been made once. Absent: false.
inline constexpr std::string_view pastePermissionRequested = "pastePermissionRequested";
// Boolean: after a restart, reopen the permission window, in onboarding mode when true.
// Absent: no resume. Read once and removed at the next launch.
inline constexpr std::string_view resumePastePermissionSetup = "resumePastePermissionSetup";

}  // namespace prefs::keys
