#pragma once

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "catalogue/EmojiEntry.h"

// The catalogue of emoji that ships with the program.
namespace EmojiDataStore {

/// Every entry of the resource "emoji.json", in file order; empty when it cannot be found,
/// read or decoded. Loaded on the first call, from any thread, and never again.
const std::vector<EmojiEntry>& entries();

/// The entries in a catalogue file; empty on any failure, never a partial list.
std::vector<EmojiEntry> load(const std::filesystem::path& path);

/// The entries of a catalogue text: a JSON array of objects that each hold "emoji", "name",
/// "category" (strings), "keywords" (an array of strings) and "supportsSkinTone" (a Boolean).
/// Nothing when the text is not such an array, or any one element breaks the rules.
std::optional<std::vector<EmojiEntry>> decode(std::string_view json);

}  // namespace EmojiDataStore
