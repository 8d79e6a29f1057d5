#include "catalogue/SkinToneSettings.h"

#include "prefs/StoredPreferences.h"

namespace SkinToneSettings {

std::optional<SkinTone> saved() {
    const auto rawValue = prefs::skinToneRawValue();
    if (!rawValue) {
        return std::nullopt;
    }
    return SkinTone::fromRawValue(*rawValue);
}

void save(SkinTone tone) {
    prefs::setSkinToneRawValue(tone.rawValue());
}

}  // namespace SkinToneSettings
