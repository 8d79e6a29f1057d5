// Compares EmojiGrid::sections with a plain implementation written from the definitions alone:
// every string is converted, lowercased, decomposed and counted afresh with ICU's UTF-16 API on
// every call, with no precomputed keys and no ASCII shortcuts. The queries come from fixed
// tables, from the catalogue's own names and from a seeded generator, so a fast path that drifts
// from the definitions shows up as a query and the two results side by side.

#include <gtest/gtest.h>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "catalogue/EmojiDataStore.h"
#include "catalogue/EmojiGrid.h"

namespace {

namespace reference {

constexpr int kEquals = 100;
constexpr int kBeginsWith = 80;
constexpr int kContains = 50;

icu::UnicodeString nfd(const icu::UnicodeString& text) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed;
    if (U_SUCCESS(status)) {
        decomposed = normalizer->normalize(text, status);
    }
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return decomposed;
}

// The form in which canonically equivalent texts are equal.
icu::UnicodeString canonical(const std::string& text) {
    return nfd(icu::UnicodeString::fromUTF8(text));
}

// The form in which search compares texts.
icu::UnicodeString lowered(const std::string& text) {
    icu::UnicodeString lower = icu::UnicodeString::fromUTF8(text);
    lower.toLower(icu::Locale::getRoot());
    return nfd(lower);
}

std::unique_ptr<icu::BreakIterator> characterIterator() {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> iterator(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    return iterator;
}

std::size_t characterCount(const std::string& text, icu::BreakIterator& characters) {
    const icu::UnicodeString utf16 = icu::UnicodeString::fromUTF8(text);
    characters.setText(utf16);
    std::size_t count = 0;
    while (characters.next() != icu::BreakIterator::DONE) {
        ++count;
    }
    return count;
}

struct Category {
    icu::UnicodeString name;
    std::vector<const EmojiEntry*> entries;
};

std::vector<Category> groupedByCategory(const std::vector<EmojiEntry>& allEntries) {
    std::vector<Category> categories;
    for (const EmojiEntry& entry : allEntries) {
        const icu::UnicodeString name = canonical(entry.category());
        auto category = std::find_if(categories.begin(), categories.end(),
                                     [&](const Category& known) { return known.name == name; });
        if (category == categories.end()) {
            category = categories.insert(categories.end(), Category{name, {}});
        }
        category->entries.push_back(&entry);
    }
    return categories;
}

std::vector<EmojiEntry> resolve(const std::vector<std::string>& recentEmoji,
                                const std::vector<EmojiEntry>& allEntries) {
    std::vector<EmojiEntry> resolved;
    for (const std::string& stored : recentEmoji) {
        const icu::UnicodeString wanted = canonical(stored);
        const auto first = std::find_if(
            allEntries.begin(), allEntries.end(),
            [&](const EmojiEntry& entry) { return canonical(entry.emoji()) == wanted; });
        if (first != allEntries.end()) {
            resolved.push_back(*first);
        }
    }
    return resolved;
}

int candidateScore(const std::string& candidate, const icu::UnicodeString& query) {
    const icu::UnicodeString text = lowered(candidate);
    if (text == query) {
        return kEquals;
    }
    if (text.startsWith(query)) {
        return kBeginsWith;
    }
    return text.indexOf(query) >= 0 ? kContains : 0;
}

int score(const EmojiEntry& entry, const icu::UnicodeString& query) {
    int best = candidateScore(entry.name(), query);
    for (const std::string& keyword : entry.keywords()) {
        best = std::max(best, candidateScore(keyword, query));
    }
    return best;
}

struct Scored {
    int score;
    std::size_t nameLength;
    const EmojiEntry* entry;
};

GridSection section(const Category& category) {
    GridSection all{category.entries.front()->category(), {}};
    for (const EmojiEntry* entry : category.entries) {
        all.entries.push_back(*entry);
    }
    return all;
}

std::vector<GridSection> sections(const std::string& query,
                                  const std::vector<std::string>& recentEmoji,
                                  const std::vector<EmojiEntry>& allEntries) {
    const std::vector<Category> categories = groupedByCategory(allEntries);
    std::vector<GridSection> result;
    if (query.empty()) {
        std::vector<EmojiEntry> recents = resolve(recentEmoji, allEntries);
        if (!recents.empty()) {
            result.push_back(GridSection{"Recently Used", recents});
        }
        for (const Category& category : categories) {
            result.push_back(section(category));
        }
        return result;
    }
    const auto characters = characterIterator();
    const int minimum = characterCount(query, *characters) == 1 ? kBeginsWith : 1;
    const icu::UnicodeString lowerQuery = lowered(query);
    for (const Category& category : categories) {
        std::vector<Scored> kept;
        for (const EmojiEntry* entry : category.entries) {
            const int entryScore = score(*entry, lowerQuery);
            if (entryScore >= minimum) {
                kept.push_back(
                    Scored{entryScore, characterCount(entry->name(), *characters), entry});
            }
        }
        std::stable_sort(kept.begin(), kept.end(), [](const Scored& a, const Scored& b) {
            return a.score != b.score ? a.score > b.score : a.nameLength < b.nameLength;
        });
        if (!kept.empty()) {
            GridSection matches{category.entries.front()->category(), {}};
            for (const Scored& scored : kept) {
                matches.entries.push_back(*scored.entry);
            }
            result.push_back(std::move(matches));
        }
    }
    return result;
}

}  // namespace reference

// Control characters escaped, so that every entry stays on its own line.
std::string visible(const std::string& text) {
    std::string shown;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            shown += escape;
        } else {
            shown += c;
        }
    }
    return shown;
}

// The text and its scalars, which tell canonically equivalent spellings apart.
std::string describe(const std::string& text) {
    std::string described = "\"" + visible(text) + "\" (";
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t offset = 0; offset < length;) {
        UChar32 scalar = 0;
        U8_NEXT(bytes, offset, length, scalar);
        char code[16];
        std::snprintf(code, sizeof code, offset == length ? "U+%04X" : "U+%04X ",
                      static_cast<unsigned>(scalar));
        described += code;
    }
    return described + ")";
}

// Titles and entries, one line each, every entry by its emoji and name.
std::string rendered(const std::vector<GridSection>& sections) {
    std::string text;
    for (const GridSection& section : sections) {
        text += "[" + visible(section.title) + "]\n";
        for (const EmojiEntry& entry : section.entries) {
            text += "    " + visible(entry.emoji()) + "  " + visible(entry.name()) + "\n";
        }
    }
    return text;
}

// Titles and names on one line, for results written out by hand.
std::string outline(const std::vector<GridSection>& sections) {
    std::string text;
    for (const GridSection& section : sections) {
        text += (text.empty() ? "" : " | ") + visible(section.title) + ":";
        for (const EmojiEntry& entry : section.entries) {
            text += " " + visible(entry.name()) + ";";
        }
    }
    return text;
}

bool sameEntry(const EmojiEntry& a, const EmojiEntry& b) {
    return a.emoji() == b.emoji() && a.name() == b.name();
}

bool sameSection(const GridSection& a, const GridSection& b) {
    return a.title == b.title && std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(),
                                            b.entries.end(), sameEntry);
}

// Renders the two results only when they differ: a sweep compares thousands of them.
bool expectSameSections(const std::string& query, const std::vector<std::string>& recentEmoji,
                        const std::vector<EmojiEntry>& entries) {
    const auto expected = reference::sections(query, recentEmoji, entries);
    const auto actual = EmojiGrid::sections(query, recentEmoji, entries);
    if (std::equal(actual.begin(), actual.end(), expected.begin(), expected.end(), sameSection)) {
        return true;
    }
    EXPECT_EQ(rendered(actual), rendered(expected)) << "query " << describe(query);
    return false;
}

void expectSameSectionsForEach(const std::vector<std::string>& queries,
                               const std::vector<EmojiEntry>& entries) {
    // A handful of disagreements tells the story; the rest of a sweep would only repeat it.
    constexpr int enough = 5;
    int disagreements = 0;
    for (const std::string& query : queries) {
        if (!expectSameSections(query, {}, entries) && ++disagreements == enough) {
            ADD_FAILURE() << "sweep stopped after " << enough << " disagreeing queries";
            return;
        }
    }
}

std::vector<std::string> scalarsOf(const std::string& text) {
    std::vector<std::string> scalars;
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    for (int32_t offset = 0; offset < length;) {
        const int32_t start = offset;
        UChar32 scalar = 0;
        U8_NEXT(bytes, offset, length, scalar);
        scalars.push_back(
            text.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(offset - start)));
    }
    return scalars;
}

std::string firstCharacters(const std::string& text, int count) {
    const icu::UnicodeString utf16 = icu::UnicodeString::fromUTF8(text);
    const auto characters = reference::characterIterator();
    characters->setText(utf16);
    const int32_t end = characters->next(count);
    std::string prefix;
    utf16.tempSubString(0, end == icu::BreakIterator::DONE ? utf16.length() : end)
        .toUTF8String(prefix);
    return prefix;
}

const std::vector<EmojiEntry>& catalogue() {
    static const std::vector<EmojiEntry> entries =
        EmojiDataStore::load(ZEMBRIL_SOURCE_DIR "/resources/emoji.json");
    return entries;
}

std::string nul(const char* text, std::size_t size) {
    return std::string(text, size);
}

TEST(EmojiGridAgainstReference, AgreesOnTypedQueriesOverTheCatalogue) {
    ASSERT_FALSE(catalogue().empty());
    std::vector<std::string> queries;
    for (char c = 'a'; c <= 'z'; ++c) {
        queries.emplace_back(1, c);
        queries.emplace_back(1, static_cast<char>(c - 'a' + 'A'));
    }
    for (char c = '0'; c <= '9'; ++c) {
        queries.emplace_back(1, c);
    }
    const std::vector<std::string> typed = {
        // words, prefixes, spaces and case
        "cat", "face", "smiling cat", "heart", "flag", "man", " cat", "cat ", "CAT", "Cat Face",
        "FLAG: ", "flag: united", "smiling face with smiling eyes", " ", "  ", "&", "-", ":", "#",
        "*", "(", "o\u2019clock", "woman\u2019s", "Japanese \u201C", "\t", "\r\n", "face\r\n",
        // non-ASCII letters, precomposed and decomposed
        "\u00FC", "\u00E9", "e\u0301", "\u00F1", "n\u0303", "pi\u00F1ata", "pin\u0303ata",
        "PI\u00D1ATA", "\u00F4", "o\u0302", "\u00E7", "c\u0327", "cura\u00E7ao", "CURA\u00C7AO",
        "Barth\u00E9lemy", "barthe\u0301lemy", "\u00C5", "A\u030A", "\u212B", "\u00E5land",
        "\u212Bland", "\u00E3", "\u00ED", "\u00E8", "\u00D7", "\u2212", "\u2019", "\u201C",
        "\u00DF", "\u1E9E", "\u0130", "i\u0307", "\u0131", "\u03A3", "\u03C3", "\u03C2", "\u01C5",
        "\u01C4", "\u01C6", "\uFB01", "\u2126", "\u212A", "\u30B3", "\u5272",
        // combining marks alone, and one character written as two scalars
        "\u0301", "\u0303", "\u0307", "\u030A", "\u0301\u0301", "a\u0301", "o\u0308",
        "\u1100\u1161",
        // emoji typed as the query
        "\U0001F600", "\u2764\uFE0F", "\u2764", "\U0001F44D", "\U0001F44D\U0001F3FD", "\U0001F3FD",
        "\U0001F1EB\U0001F1F7", "\U0001F468\u200D\U0001F469\u200D\U0001F467", "#\uFE0F\u20E3",
        "\u2640\uFE0F", "\uFE0F", "\u200D", "\u2615",
        // NUL bytes
        nul("\0", 1), nul("cat\0", 4), nul("c\0at", 4), nul("\0cat", 4)};
    queries.insert(queries.end(), typed.begin(), typed.end());
    expectSameSectionsForEach(queries, catalogue());
    RecordProperty("queries", static_cast<int>(queries.size()));
}

TEST(EmojiGridAgainstReference, AgreesOnEveryWordOfEveryName) {
    ASSERT_FALSE(catalogue().empty());
    std::set<std::string> words;
    for (const EmojiEntry& entry : catalogue()) {
        const std::string& name = entry.name();
        for (std::size_t start = 0; start <= name.size();) {
            const std::size_t end = std::min(name.find(' ', start), name.size());
            if (end > start) {
                words.insert(name.substr(start, end - start));
            }
            start = end + 1;
        }
    }
    expectSameSectionsForEach({words.begin(), words.end()}, catalogue());
    RecordProperty("queries", static_cast<int>(words.size()));
}

TEST(EmojiGridAgainstReference, AgreesOnTheFirstCharactersOfEveryName) {
    ASSERT_FALSE(catalogue().empty());
    std::set<std::string> openings;
    for (const EmojiEntry& entry : catalogue()) {
        for (int count = 1; count <= 3; ++count) {
            openings.insert(firstCharacters(entry.name(), count));
        }
    }
    expectSameSectionsForEach({openings.begin(), openings.end()}, catalogue());
    RecordProperty("queries", static_cast<int>(openings.size()));
}

// Pieces cut anywhere, even inside a cluster, from names and keywords, with ASCII letters'
// case flipped at random.
TEST(EmojiGridAgainstReference, AgreesOnRandomPiecesOfNamesAndKeywords) {
    ASSERT_FALSE(catalogue().empty());
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::size_t> anyEntry(0, catalogue().size() - 1);
    std::bernoulli_distribution flip(0.3);
    std::vector<std::string> queries;
    while (queries.size() < 400) {
        const EmojiEntry& entry = catalogue()[anyEntry(random)];
        std::uniform_int_distribution<std::size_t> anyCandidate(0, entry.keywords().size());
        const std::size_t candidate = anyCandidate(random);
        const auto scalars =
            scalarsOf(candidate == 0 ? entry.name() : entry.keywords()[candidate - 1]);
        if (scalars.empty()) {
            continue;
        }
        std::uniform_int_distribution<std::size_t> anyStart(0, scalars.size() - 1);
        const std::size_t start = anyStart(random);
        std::uniform_int_distribution<std::size_t> anyLength(
            1, std::min<std::size_t>(6, scalars.size() - start));
        std::string query;
        for (std::size_t i = start, end = start + anyLength(random); i < end; ++i) {
            std::string scalar = scalars[i];
            const char lower = static_cast<char>(scalar[0] | 0x20);
            if (scalar.size() == 1 && lower >= 'a' && lower <= 'z' && flip(random)) {
                scalar[0] = static_cast<char>(scalar[0] ^ 0x20);
            }
            query += scalar;
        }
        queries.push_back(query);
    }
    expectSameSectionsForEach(queries, catalogue());
}

TEST(EmojiGridAgainstReference, AgreesOnRecentsWithoutAQuery) {
    const std::vector<EmojiEntry>& entries = catalogue();
    ASSERT_GE(entries.size(), 18u);
    std::vector<std::string> spread;
    for (std::size_t i = 0; i < entries.size(); i += entries.size() / 18) {
        spread.push_back(entries[i].emoji());
    }
    const std::string& first = entries.front().emoji();
    const std::string& last = entries.back().emoji();
    const std::vector<std::vector<std::string>> recents = {
        {},
        spread,
        {"not an emoji", "", "\U0001F3FD"},
        {first, first, last, first},
        {"\U0001F44B\U0001F3FD"},
        {"\U0001F44B\U0001F3FD", "\U0001F44B", "not an emoji", last},
        {"\u2764", "\u2764\uFE0F"},
        {"\u263A", "\u263A\uFE0F"},
    };
    for (const auto& stored : recents) {
        SCOPED_TRACE(::testing::PrintToString(stored));
        expectSameSections("", stored, entries);
    }
}

// A catalogue whose names, keywords, categories and emoji are spelt in canonically equivalent
// ways, with letters whose lowercase depends on context or on locale.
std::vector<EmojiEntry> equivalenceCatalogue() {
    return {
        EmojiEntry("\u2615", "Caf\u00E9", {"espresso"}, "Caf\u00E9", false),
        EmojiEntry("\u00C5", "\u212Bngstr\u00F6m", {"A\u030Angstrom unit"}, "Other", false),
        EmojiEntry("A\u030A", "ring above", {}, "Other", false),
        EmojiEntry("\U0001F375", "cafe\u0301 au lait", {"nai\u0308ve"}, "Cafe\u0301", false),
        EmojiEntry("\u03A3", "\u039F\u0394\u03A5\u03A3\u03A3\u0395\u03A5\u03A3",
                   {"\u03C3\u03BF\u03C6\u03CC\u03C2"}, "Other", false),
        EmojiEntry("x1", "xyzw", {}, "Ties", false),
        EmojiEntry("x2", "x\r\nz", {}, "Ties", false),
        EmojiEntry("x3", "x\u0301yz", {}, "Ties", false),
        EmojiEntry("\u01C6", "\u01C5emal", {}, "Other", false),
        EmojiEntry("\U0001F600x", "grin \U0001F600", {"\U0001F600 smile"}, "Faces", false),
        EmojiEntry("\u2400", nul("nul\0byte", 8), {}, "Faces", false),
        EmojiEntry("\u00DF", "Stra\u00DFe", {}, "Other", false),
        EmojiEntry("\U0001F54C", "\u0130stanbul", {}, "Other", false),
    };
}

struct Case {
    std::string query;
    std::vector<std::string> recentEmoji;
    std::string expected;
};

TEST(EmojiGridAgainstReference, BothFollowTheDefinitionsOnEquivalentSpellings) {
    const auto entries = equivalenceCatalogue();
    const std::string all =
        "Caf\u00E9: Caf\u00E9; cafe\u0301 au lait;"
        " | Other: \u212Bngstr\u00F6m; ring above;"
        " \u039F\u0394\u03A5\u03A3\u03A3\u0395\u03A5\u03A3; \u01C5emal; Stra\u00DFe; "
        "\u0130stanbul;"
        " | Ties: xyzw; x\\x0D\\x0Az; x\u0301yz;"
        " | Faces: grin \U0001F600; nul\\x00byte;";
    const std::vector<Case> cases = {
        // the section takes the first spelling of its category as title
        {"cafe\u0301", {}, "Caf\u00E9: Caf\u00E9; cafe\u0301 au lait;"},
        {"CAF\u00C9", {}, "Caf\u00E9: Caf\u00E9; cafe\u0301 au lait;"},
        // one character, however many scalars: only equal or beginning candidates count
        {"\u00E9", {}, ""},
        {"e\u0301", {}, ""},
        {"\u00E9 ", {}, "Caf\u00E9: cafe\u0301 au lait;"},
        {"e", {}, "Caf\u00E9: Caf\u00E9;"},
        {"na\u00EFve", {}, "Caf\u00E9: cafe\u0301 au lait;"},
        {"\u00C5ngstr\u00F6m", {}, "Other: \u212Bngstr\u00F6m;"},
        // fewer characters first: CR LF is one, and so is x with its accent
        {"x", {}, "Ties: x\\x0D\\x0Az; x\u0301yz; xyzw;"},
        // capital sigma lowers to the final form at the end of a word
        {"\u03A3", {}, "Other: \u039F\u0394\u03A5\u03A3\u03A3\u0395\u03A5\u03A3;"},
        {"\u0395\u03A5\u03A3", {}, "Other: \u039F\u0394\u03A5\u03A3\u03A3\u0395\u03A5\u03A3;"},
        {"\u03B5\u03C5\u03C3", {}, ""},
        {"\u01C4", {}, "Other: \u01C5emal;"},
        {"d\u017E", {}, ""},
        {"STRA\u1E9EE", {}, "Other: Stra\u00DFe;"},
        {"strasse", {}, ""},
        // dotted capital I lowers to i and a combining dot
        {"i", {}, "Other: \u0130stanbul;"},
        {"is", {}, ""},
        {"\u0130s", {}, "Other: \u0130stanbul;"},
        // the emoji field is not searched, names and keywords are
        {"\U0001F600", {}, "Faces: grin \U0001F600;"},
        {"\U0001F600x", {}, ""},
        {nul("\0", 1), {}, ""},
        {nul("l\0b", 3), {}, "Faces: nul\\x00byte;"},
        // recents match canonically equivalent emoji, the first in the catalogue winning
        {"", {"A\u030A"}, "Recently Used: \u212Bngstr\u00F6m; | " + all},
        {"",
         {"\u212B", "none", "\u03A3", "\u212B"},
         "Recently Used: \u212Bngstr\u00F6m; \u039F\u0394\u03A5\u03A3\u03A3\u0395\u03A5\u03A3; "
         "\u212Bngstr\u00F6m; | " +
             all},
        {"", {"none"}, all},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("query " + describe(c.query));
        EXPECT_EQ(outline(reference::sections(c.query, c.recentEmoji, entries)), c.expected);
        EXPECT_EQ(outline(EmojiGrid::sections(c.query, c.recentEmoji, entries)), c.expected);
    }
}

// The worked examples of the search rules, which pin the reference itself down.
TEST(EmojiGridAgainstReference, BothFollowTheWorkedExamples) {
    const std::vector<EmojiEntry> entries = {
        EmojiEntry("A", "grinning cat", {"smile"}, "Animals", false),
        EmojiEntry("B", "cat", {"pet"}, "Animals", false),
        EmojiEntry("C", "catalog", {"book"}, "Objects", false),
        EmojiEntry("D", "bobcat", {"wild"}, "Animals", false),
        EmojiEntry("E", "Cat Face", {}, "Animals", false),
    };
    const std::vector<Case> cases = {
        {"cat", {}, "Animals: cat; Cat Face; bobcat; grinning cat; | Objects: catalog;"},
        {"CAT", {}, "Animals: cat; Cat Face; bobcat; grinning cat; | Objects: catalog;"},
        {"c", {}, "Animals: cat; Cat Face; | Objects: catalog;"},
        {"smile", {}, "Animals: grinning cat;"},
        {" cat", {}, "Animals: grinning cat;"},
        {"book", {}, "Objects: catalog;"},
        {"",
         {"D", "Z", "B"},
         "Recently Used: bobcat; cat; | Animals: grinning cat; cat; bobcat; Cat Face; | Objects: "
         "catalog;"},
        {"", {}, "Animals: grinning cat; cat; bobcat; Cat Face; | Objects: catalog;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("query " + describe(c.query));
        EXPECT_EQ(outline(reference::sections(c.query, c.recentEmoji, entries)), c.expected);
        EXPECT_EQ(outline(EmojiGrid::sections(c.query, c.recentEmoji, entries)), c.expected);
    }
}

TEST(EmojiGridAgainstReference, AgreesOnTheEquivalenceCatalogue) {
    const auto entries = equivalenceCatalogue();
    std::vector<std::string> queries = {"a",
                                        "A",
                                        "c",
                                        "cafe",
                                        "caf\u00E9",
                                        "\u00E9",
                                        "e\u0301",
                                        "\u0301",
                                        "au",
                                        "\u212B",
                                        "\u00E5",
                                        "a\u030A",
                                        "\u00F6",
                                        "o\u0308",
                                        "\u03C3",
                                        "\u03C2",
                                        "\u03A3\u03A3",
                                        "\u01C6",
                                        "\u01C5",
                                        "\u00DF",
                                        "ss",
                                        "\u0130",
                                        "i\u0307",
                                        "\u0307",
                                        "\r",
                                        "\n",
                                        "\r\n",
                                        "x\r",
                                        "\u0301y",
                                        "\U0001F600 ",
                                        nul("\0b", 2),
                                        nul("nul\0", 4)};
    expectSameSectionsForEach(queries, entries);
    for (const auto& stored : std::vector<std::vector<std::string>>{
             {}, {"\u00C5"}, {"\u212B", "A\u030A"}, {"\u01C6", "\u01C5", "x1", "x1"}}) {
        SCOPED_TRACE(::testing::PrintToString(stored));
        expectSameSections("", stored, entries);
    }
}

// Lowercasing follows the root locale whatever the process's default is: Turkish maps I to
// dotless ı and drops the dot of İ, which would change what matches.
TEST(EmojiGridAgainstReference, IgnoresTheDefaultLocale) {
    struct DefaultLocale {
        icu::Locale saved = icu::Locale::getDefault();
        explicit DefaultLocale(const char* name) {
            UErrorCode status = U_ZERO_ERROR;
            icu::Locale::setDefault(icu::Locale(name), status);
        }
        ~DefaultLocale() {
            UErrorCode status = U_ZERO_ERROR;
            icu::Locale::setDefault(saved, status);
        }
    } turkish("tr");
    const std::vector<EmojiEntry> entries = {
        EmojiEntry("1", "I\u011Fd\u0131r", {}, "Places", false),
        EmojiEntry("2", "\u0130zmir", {"D\u0130YARBAKIR"}, "Places", false),
        EmojiEntry("3", "ISTANBUL", {}, "Places", false),
    };
    for (const std::string query :
         {"I", "i", "\u0131", "\u0130", "I\u011F", "i\u011F", "\u0131\u011F", "\u0130z", "iz",
          "d\u0130", "bakir", "bak\u0131r", "ISTANBUL\u00E9"}) {
        expectSameSections(query, {}, entries);
    }
    EXPECT_EQ(outline(EmojiGrid::sections("i\u011F", {}, entries)), "Places: I\u011Fd\u0131r;");
}

}  // namespace
