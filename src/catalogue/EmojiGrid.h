#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/EmojiEntry.h"
#include "catalogue/GridSection.h"
#include "catalogue/IndexPath.h"

// What the picker's grid shows, and how its selection steps through it.
namespace EmojiGrid {

/// Title of the section of recently used emoji.
inline constexpr std::string_view recentsTitle = "Recently Used";

/// With an empty query: the resolved recents under "Recently Used" (when any resolve), then one
/// section per category in order of first appearance. Otherwise the entries whose name or a
/// keyword matches the query, best first, in their category sections; a one-character query
/// keeps only names and keywords that equal or begin with it. No section is ever empty.
std::vector<GridSection> sections(std::string_view query,
                                  const std::vector<std::string>& recentEmoji,
                                  const std::vector<EmojiEntry>& allEntries);

/// The position before `position`, stepping back across sections; nothing at the very start.
/// `position` must address an entry of `sections`, and no section may be empty.
std::optional<IndexPath> indexPathBefore(IndexPath position,
                                         const std::vector<GridSection>& sections);
/// The position after `position`, stepping on across sections; nothing at the very end.
/// `position` must address an entry of `sections`, and no section may be empty.
std::optional<IndexPath> indexPathAfter(IndexPath position,
                                        const std::vector<GridSection>& sections);

}  // namespace EmojiGrid
