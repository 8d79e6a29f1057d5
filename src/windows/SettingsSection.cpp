#include "windows/SettingsSection.h"

namespace settingsSections {

const char* title(SettingsSection section) {
    switch (section) {
        case SettingsSection::skinTone:
            return "Skin Tone";
        case SettingsSection::pasting:
            return "Pasting";
    }
    return "";
}

const char* symbolName(SettingsSection section) {
    switch (section) {
        case SettingsSection::skinTone:
            return "hand.raised";
        case SettingsSection::pasting:
            return "doc.on.clipboard";
    }
    return "";
}

}  // namespace settingsSections
