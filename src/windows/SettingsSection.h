#pragma once

#include <array>

// The sections of the settings window, in the order of its sidebar.
enum class SettingsSection { skinTone = 0, pasting = 1 };

namespace settingsSections {

/// Every section, top row first.
inline constexpr std::array<SettingsSection, 2> allCases = {SettingsSection::skinTone,
                                                            SettingsSection::pasting};

/// The section's name in the sidebar.
const char* title(SettingsSection section);
/// The symbol beside that name.
const char* symbolName(SettingsSection section);

}  // namespace settingsSections
