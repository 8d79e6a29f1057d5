#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// The recently used emoji, kept in the stored preferences for the grid's first section.
namespace RecentsStore {

/// How many recently used emoji are kept.
inline constexpr std::size_t capacity = 18;

/// The stored list, newest first.
std::vector<std::string> recent();

/// Puts `emoji` first in the stored list, without one trailing skin-tone modifier, removing
/// any equal element and keeping the newest `capacity`.
void record(std::string_view emoji);

}  // namespace RecentsStore
