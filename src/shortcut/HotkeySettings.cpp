#include "shortcut/HotkeySettings.h"

#include "prefs/StoredPreferences.h"

namespace HotkeySettings {

std::optional<Hotkey> saved() {
    const auto stored = prefs::shortcut();
    if (!stored) {
        return std::nullopt;
    }
    return Hotkey{stored->keyCode, stored->modifiers, stored->displayString};
}

void save(const Hotkey& hotkey) {
    prefs::setShortcut({hotkey.keyCode, hotkey.carbonModifiers, hotkey.displayString});
}

}  // namespace HotkeySettings
