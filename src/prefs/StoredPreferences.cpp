#include "prefs/StoredPreferences.h"

#include <limits>

#include "platform/Platform.h"
#include "prefs/PreferenceKeys.h"

namespace prefs {
namespace {

// Integers outside the unsigned 32-bit range never come from our own writes; such a record is
// treated as no shortcut rather than as some other key.
std::optional<std::uint32_t> storedUInt32(std::string_view key) {
    auto& store = platform::defaults();
    if (!store.object(key)) {
        return std::nullopt;
    }
    const std::int64_t value = store.integer(key);
    if (value < 0 || value > std::numeric_limits<std::uint32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

}  // namespace

std::optional<StoredShortcut> shortcut() {
    const auto keyCode = storedUInt32(keys::hotkeyKeyCode);
    if (!keyCode) {
        return std::nullopt;
    }
    const auto modifiers = storedUInt32(keys::hotkeyModifiers);
    if (!modifiers) {
        return std::nullopt;
    }
    auto displayString = platform::defaults().string(keys::hotkeyDisplayString);
    if (!displayString) {
        return std::nullopt;
    }
    return StoredShortcut{*keyCode, *modifiers, std::move(*displayString)};
}

void setShortcut(const StoredShortcut& shortcut) {
    // One write: a relaunching instance may read the file at any moment, and must never find
    // the new key with the old modifiers.
    platform::defaults().setObjects({
        {std::string(keys::hotkeyKeyCode), std::int64_t{shortcut.keyCode}},
        {std::string(keys::hotkeyModifiers), std::int64_t{shortcut.modifiers}},
        {std::string(keys::hotkeyDisplayString), shortcut.displayString},
    });
}

std::vector<std::string> recentEmoji() {
    return platform::defaults().stringArray(keys::recentEmoji).value_or(std::vector<std::string>{});
}

void setRecentEmoji(const std::vector<std::string>& emoji) {
    platform::defaults().setStringArray(keys::recentEmoji, emoji);
}

std::optional<std::int64_t> skinToneRawValue() {
    auto& store = platform::defaults();
    if (!store.object(keys::skinTone)) {
        return std::nullopt;
    }
    return store.integer(keys::skinTone);
}

void setSkinToneRawValue(std::int64_t rawValue) {
    platform::defaults().setInteger(keys::skinTone, rawValue);
}

bool pastePermissionRequested() {
    return platform::defaults().boolean(keys::pastePermissionRequested);
}

void setPastePermissionRequested() {
    platform::defaults().setBool(keys::pastePermissionRequested, true);
}

void setResumePastePermissionSetup(bool onboarding) {
    platform::defaults().setBool(keys::resumePastePermissionSetup, onboarding);
}

bool hasResumePastePermissionSetup() {
    return platform::defaults().object(keys::resumePastePermissionSetup).has_value();
}

std::optional<bool> takeResumePastePermissionSetup() {
    auto& store = platform::defaults();
    if (!store.object(keys::resumePastePermissionSetup)) {
        return std::nullopt;
    }
    const bool onboarding = store.boolean(keys::resumePastePermissionSetup);
    store.removeObject(keys::resumePastePermissionSetup);
    return onboarding;
}

}  // namespace prefs
