#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// How each stored key is read and written: the encodings and the rules for absent or malformed
// values. The feature code (shortcut settings, skin tones, recents, paste permission) goes
// through these, so each rule lives in one place.
namespace prefs {

struct StoredShortcut {
    std::uint32_t keyCode = 0;
    std::uint32_t modifiers = 0;
    std::string displayString;

    bool operator==(const StoredShortcut&) const = default;
};

/// The shortcut record, present only when all three keys are, the display string reads as a
/// string, and both numbers lie in the unsigned 32-bit range (key code 0 is a real key).
std::optional<StoredShortcut> shortcut();
/// Writes the key code, the modifiers and the display string, in that order.
void setShortcut(const StoredShortcut& shortcut);

/// The stored recents; empty when absent or not an array of strings.
std::vector<std::string> recentEmoji();
void setRecentEmoji(const std::vector<std::string>& emoji);

/// The stored skin tone's raw value, unchecked; absent when nothing is stored.
std::optional<std::int64_t> skinToneRawValue();
void setSkinToneRawValue(std::int64_t rawValue);

/// false when absent.
bool pastePermissionRequested();
/// The program only ever records that the request was made.
void setPastePermissionRequested();

/// Stores the mode in which the permission window reopens after a restart.
void setResumePastePermissionSetup(bool onboarding);
/// Whether a restart left a mode to resume in, without taking it.
bool hasResumePastePermissionSetup();
/// The stored mode, removing it so that it resumes exactly one start; absent when none.
std::optional<bool> takeResumePastePermissionSetup();

}  // namespace prefs
