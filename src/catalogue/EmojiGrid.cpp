#include "catalogue/EmojiGrid.h"

#include <algorithm>
#include <unordered_map>

#include "catalogue/UnicodeText.h"

namespace EmojiGrid {
namespace {

enum Score : int { noMatch = 0, containsQuery = 50, beginsWithQuery = 80, equalsQuery = 100 };

constexpr int oneCharacterMinimumScore = beginsWithQuery;
constexpr int minimumScore = 1;

struct Category {
    std::string_view key;
    std::vector<EmojiEntry> entries;
};

std::vector<Category> groupedByCategory(const std::vector<EmojiEntry>& allEntries) {
    std::vector<Category> categories;
    for (const EmojiEntry& entry : allEntries) {
        const std::string_view key = entry.categoryKey();
        // Catalogues list a category's entries together, so the last category is nearly
        // always the one.
        auto category = categories.rbegin();
        while (category != categories.rend() && category->key != key) {
            ++category;
        }
        if (category == categories.rend()) {
            categories.push_back(Category{key, {}});
            category = categories.rbegin();
        }
        category->entries.push_back(entry);
    }
    return categories;
}

std::vector<EmojiEntry> resolve(const std::vector<std::string>& recentEmoji,
                                const std::vector<EmojiEntry>& allEntries) {
    std::vector<EmojiEntry> resolved;
    if (recentEmoji.empty()) {
        return resolved;
    }
    std::unordered_map<std::string_view, const EmojiEntry*> byEmoji;
    byEmoji.reserve(allEntries.size());
    for (const EmojiEntry& entry : allEntries) {
        byEmoji.try_emplace(entry.emojiKey(), &entry);  // the first of equal emoji wins
    }
    for (const std::string& emoji : recentEmoji) {
        const std::string key = UnicodeText::decomposed(emoji);
        const auto found = byEmoji.find(key);
        if (found != byEmoji.end()) {
            resolved.push_back(*found->second);
        }
    }
    return resolved;
}

int score(const SearchKeys& keys, std::string_view foldedQuery) {
    // A query without NUL can only be found inside one candidate of the joined text, so an
    // entry it is not found in at all matches nothing.
    if (foldedQuery.find('\0') == std::string_view::npos &&
        keys.joined().find(foldedQuery) == std::string_view::npos) {
        return noMatch;
    }
    int best = noMatch;
    for (std::size_t index = 0; index < keys.candidateCount(); ++index) {
        const std::string_view candidate = keys.candidate(index);
        if (candidate == foldedQuery) {
            return equalsQuery;
        }
        if (candidate.starts_with(foldedQuery)) {
            best = beginsWithQuery;
        } else if (best < containsQuery && candidate.find(foldedQuery) != std::string_view::npos) {
            best = containsQuery;
        }
    }
    return best;
}

struct Match {
    int score;
    std::size_t nameLength;
    const EmojiEntry* entry;
};

std::vector<GridSection> search(std::string_view query, const std::vector<Category>& categories) {
    const int minimum =
        UnicodeText::graphemeCount(query) == 1 ? oneCharacterMinimumScore : minimumScore;
    // Catalogue text is well-formed UTF-8; a stray byte in the query must not match the first
    // byte of some character in it, so it becomes U+FFFD first.
    const std::string foldedQuery =
        UnicodeText::searchFolded(UnicodeText::utf8(UnicodeText::scalars(query)));
    std::vector<GridSection> result;
    std::vector<Match> matches;
    for (const Category& category : categories) {
        matches.clear();
        for (const EmojiEntry& entry : category.entries) {
            const SearchKeys& keys = entry.searchKeys();
            const int entryScore = score(keys, foldedQuery);
            if (entryScore >= minimum) {
                matches.push_back(Match{entryScore, keys.nameLength(), &entry});
            }
        }
        if (matches.empty()) {
            continue;
        }
        std::stable_sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
            if (a.score != b.score) {
                return a.score > b.score;
            }
            return a.nameLength < b.nameLength;
        });
        GridSection section{category.entries.front().category(), {}};
        section.entries.reserve(matches.size());
        for (const Match& match : matches) {
            section.entries.push_back(*match.entry);
        }
        result.push_back(std::move(section));
    }
    return result;
}

}  // namespace

std::vector<GridSection> sections(std::string_view query,
                                  const std::vector<std::string>& recentEmoji,
                                  const std::vector<EmojiEntry>& allEntries) {
    std::vector<Category> categories = groupedByCategory(allEntries);
    if (!query.empty()) {
        return search(query, categories);
    }
    std::vector<GridSection> result;
    result.reserve(categories.size() + 1);
    std::vector<EmojiEntry> recents = resolve(recentEmoji, allEntries);
    if (!recents.empty()) {
        result.push_back(GridSection{std::string(recentsTitle), std::move(recents)});
    }
    for (Category& category : categories) {
        std::string title = category.entries.front().category();
        result.push_back(GridSection{std::move(title), std::move(category.entries)});
    }
    return result;
}

std::optional<IndexPath> indexPathBefore(IndexPath position,
                                         const std::vector<GridSection>& sections) {
    if (position.item >= 1) {
        return IndexPath{position.section, position.item - 1};
    }
    if (position.section >= 1) {
        const auto& previous = sections[static_cast<std::size_t>(position.section - 1)];
        return IndexPath{position.section - 1, static_cast<int>(previous.entries.size()) - 1};
    }
    return std::nullopt;
}

std::optional<IndexPath> indexPathAfter(IndexPath position,
                                        const std::vector<GridSection>& sections) {
    const auto count =
        static_cast<int>(sections[static_cast<std::size_t>(position.section)].entries.size());
    if (position.item < count - 1) {
        return IndexPath{position.section, position.item + 1};
    }
    if (position.section < static_cast<int>(sections.size()) - 1) {
        return IndexPath{position.section + 1, 0};
    }
    return std::nullopt;
}

}  // namespace EmojiGrid
