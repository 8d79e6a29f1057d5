#include <gtest/gtest.h>

#include "catalogue/EmojiGrid.h"

namespace {

// A section as "Title: emoji emoji ...", so whole results compare in one line.
using Rendered = std::vector<std::string>;

Rendered render(const std::vector<GridSection>& sections) {
    Rendered rendered;
    for (const auto& section : sections) {
        std::string line = section.title + ":";
        for (const auto& entry : section.entries) {
            line += " " + entry.emoji();
        }
        rendered.push_back(line);
    }
    return rendered;
}

EmojiEntry entry(std::string emoji, std::string name, std::vector<std::string> keywords,
                 std::string category) {
    return EmojiEntry(std::move(emoji), std::move(name), std::move(keywords), std::move(category),
                      false);
}

// The five-entry catalogue of the worked examples; each entry's emoji is its letter.
const std::vector<EmojiEntry>& examples() {
    static const std::vector<EmojiEntry> catalogue = {
        entry("A", "grinning cat", {"smile"}, "Animals"),
        entry("B", "cat", {"pet"}, "Animals"),
        entry("C", "catalog", {"book"}, "Objects"),
        entry("D", "bobcat", {"wild"}, "Animals"),
        entry("E", "Cat Face", {}, "Animals"),
    };
    return catalogue;
}

TEST(EmojiGridSections, WorkedExamples) {
    const struct {
        std::string query;
        std::vector<std::string> recents;
        Rendered expected;
    } cases[] = {
        {"cat", {}, {"Animals: B E D A", "Objects: C"}},
        {"CAT", {}, {"Animals: B E D A", "Objects: C"}},
        {"c", {}, {"Animals: B E", "Objects: C"}},
        {"smile", {}, {"Animals: A"}},
        {" cat", {}, {"Animals: A"}},
        {"book", {}, {"Objects: C"}},
        {"",
         {"D", "not in the catalogue", "B"},
         {"Recently Used: D B", "Animals: A B D E", "Objects: C"}},
        {"", {}, {"Animals: A B D E", "Objects: C"}},
        {"zebra", {}, {}},
        {"s", {}, {"Animals: A"}},
        {"A", {"A"}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(render(EmojiGrid::sections(c.query, c.recents, examples())), c.expected)
            << "query \"" << c.query << "\"";
    }
}

TEST(EmojiGridSections, ResolvesRecentsAsStoredWithTheFirstOfEqualEmoji) {
    std::vector<EmojiEntry> catalogue = examples();
    catalogue.push_back(entry("B", "second B", {}, "Extra"));
    const auto sections = EmojiGrid::sections("", {"B", "B", "A\U0001F3FB", "E"}, catalogue);
    ASSERT_EQ(render(sections).front(), "Recently Used: B B E")
        << "duplicates stay, toned do not match";
    EXPECT_EQ(sections.front().entries[0].name(), "cat");
    EXPECT_EQ(render(sections).back(), "Extra: B");
    EXPECT_TRUE(EmojiGrid::sections("", {"A"}, {}).empty()) << "empty catalogue, stored recents";
    EXPECT_TRUE(EmojiGrid::sections("cat", {}, {}).empty());
}

TEST(EmojiGridSections, ComparesCanonicallyEquivalentTextAsEqual) {
    const std::vector<EmojiEntry> catalogue = {
        entry("\u00E9", "caf\u00E9", {}, "Caf\u00E9"),
        entry("x", "cafe\u0301 au lait", {"\u00C9T\u00C9"}, "Cafe\u0301"),
        entry("y", "cafe", {}, "Other"),
    };
    EXPECT_EQ(render(EmojiGrid::sections("", {"e\u0301"}, catalogue)),
              (Rendered{"Recently Used: \u00E9", "Caf\u00E9: \u00E9 x", "Other: y"}));
    EXPECT_EQ(render(EmojiGrid::sections("CAFE\u0301", {}, catalogue)),
              Rendered{"Caf\u00E9: \u00E9 x"});
    EXPECT_EQ(render(EmojiGrid::sections("\u00E9t\u00E9", {}, catalogue)),
              Rendered{"Caf\u00E9: x"});
    // One character written as two scalars is still one character: only the keyword that
    // begins with it counts, the name that merely contains it does not.
    EXPECT_EQ(render(EmojiGrid::sections("e\u0301", {}, catalogue)), Rendered{"Caf\u00E9: x"});
    EXPECT_EQ(render(EmojiGrid::sections("\u00C9", {}, {entry("z", "\u00E9clair", {}, "Food")})),
              Rendered{"Food: z"});
}

TEST(EmojiGridSections, BreaksTiesByCharactersOfTheNameAsStored) {
    // A family emoji is one character of five scalars; "İ" is one that lowercases to two.
    const std::vector<EmojiEntry> catalogue = {
        entry("long", "dog dog", {}, "Animals"),
        entry("wide", "dog \U0001F469\u200D\U0001F469\u200D\U0001F467", {}, "Animals"),
        entry("short", "dog \u0130", {}, "Animals"),
    };
    EXPECT_EQ(render(EmojiGrid::sections("dog", {}, catalogue)),
              Rendered{"Animals: wide short long"});
}

TEST(EmojiGridSections, NeverSearchesTheEmojiOrTheCategory) {
    const std::vector<EmojiEntry> catalogue = {
        entry("\U0001F431", "cat face", {}, "Animals"),
        entry("\U0001F436", "\U0001F431 dog", {}, "Animals")};
    EXPECT_EQ(render(EmojiGrid::sections("\U0001F431", {}, catalogue)),
              Rendered{"Animals: \U0001F436"});
    EXPECT_EQ(render(EmojiGrid::sections("animals", {}, catalogue)), Rendered{});
}

std::vector<GridSection> sectionsOfSizes(std::initializer_list<int> sizes) {
    std::vector<GridSection> sections;
    for (const int size : sizes) {
        GridSection section{"s", {}};
        for (int i = 0; i < size; ++i) {
            section.entries.push_back(entry("e", "n", {}, "c"));
        }
        sections.push_back(section);
    }
    return sections;
}

TEST(EmojiGridStepping, StepsAcrossSectionsWithoutWrapping) {
    const auto sections = sectionsOfSizes({3, 2, 5});
    const struct {
        IndexPath from;
        std::optional<IndexPath> before;
        std::optional<IndexPath> after;
    } cases[] = {
        {{0, 0}, std::nullopt, IndexPath{0, 1}},    {{0, 2}, IndexPath{0, 1}, IndexPath{1, 0}},
        {{2, 0}, IndexPath{1, 1}, IndexPath{2, 1}}, {{2, 3}, IndexPath{2, 2}, IndexPath{2, 4}},
        {{2, 4}, IndexPath{2, 3}, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(EmojiGrid::indexPathBefore(c.from, sections), c.before)
            << c.from.section << "," << c.from.item;
        EXPECT_EQ(EmojiGrid::indexPathAfter(c.from, sections), c.after)
            << c.from.section << "," << c.from.item;
    }
    const auto single = sectionsOfSizes({1});
    EXPECT_FALSE(EmojiGrid::indexPathBefore({0, 0}, single));
    EXPECT_FALSE(EmojiGrid::indexPathAfter({0, 0}, single));
}

}  // namespace
