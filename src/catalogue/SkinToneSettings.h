#pragma once

#include <optional>

#include "catalogue/SkinTone.h"

// The user's default skin tone, kept in the stored preferences.
namespace SkinToneSettings {

/// The stored default, read afresh; absent when none was ever chosen or the stored value is
/// out of range. `none` is a real choice, different from absent.
std::optional<SkinTone> saved();
/// Makes `tone` the default.
void save(SkinTone tone);

}  // namespace SkinToneSettings
