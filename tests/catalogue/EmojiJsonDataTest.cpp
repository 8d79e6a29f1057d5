// Checks the committed resources/emoji.json against what the program requires of its catalogue:
// the decoder's key table, untoned emoji only, tone flags only where appending a modifier to the
// base scalar gives a real emoji, categories in Unicode group order, and that the file is exactly
// what tools/generate-catalogue produces.

#include <gtest/gtest.h>
#include <unicode/utf8.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <nlohmann/json.hpp>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kSourceDir{ZEMBRIL_SOURCE_DIR};
const fs::path kCatalogue = kSourceDir / "resources" / "emoji.json";
const fs::path kGenerator = kSourceDir / "tools" / "generate-catalogue";
const fs::path kEmojiTest{"/usr/share/unicode/emoji/emoji-test.txt"};
const fs::path kAnnotations{"/usr/share/unicode/cldr/common/annotations/en.xml"};
const fs::path kAnnotationsDerived{"/usr/share/unicode/cldr/common/annotationsDerived/en.xml"};

constexpr char32_t kVariationSelector16 = U'\uFE0F';
constexpr char32_t kLightSkinTone = U'\U0001F3FB';
constexpr char32_t kDarkSkinTone = U'\U0001F3FF';

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Decodes strictly: a malformed sequence fails the calling test instead of being skipped.
std::u32string scalarsOf(const std::string& utf8) {
    std::u32string scalars;
    const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
    const auto length = static_cast<int32_t>(utf8.size());
    int32_t offset = 0;
    while (offset < length) {
        UChar32 scalar = 0;
        U8_NEXT(bytes, offset, length, scalar);
        if (scalar < 0) {
            ADD_FAILURE() << "malformed UTF-8 in \"" << utf8 << "\"";
            return {};
        }
        scalars.push_back(static_cast<char32_t>(scalar));
    }
    return scalars;
}

std::u32string withoutVariationSelectors(std::u32string scalars) {
    std::erase(scalars, kVariationSelector16);
    return scalars;
}

// Every fully-qualified sequence, component group included: toned forms of a base live there.
std::set<std::u32string> fullyQualifiedSequences(const fs::path& emojiTest) {
    std::set<std::u32string> sequences;
    std::ifstream in(emojiTest);
    std::string line;
    while (std::getline(in, line)) {
        const auto semicolon = line.find(';');
        if (line.empty() || line.front() == '#' || semicolon == std::string::npos) {
            continue;
        }
        std::istringstream status(line.substr(semicolon + 1));
        std::string word;
        status >> word;
        if (word != "fully-qualified") {
            continue;
        }
        std::istringstream codepoints(line.substr(0, semicolon));
        std::u32string sequence;
        std::string hex;
        while (codepoints >> hex) {
            sequence.push_back(static_cast<char32_t>(std::stoul(hex, nullptr, 16)));
        }
        sequences.insert(sequence);
    }
    return sequences;
}

class EmojiJsonDataTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        catalogue_ = nlohmann::json::parse(readFile(kCatalogue), nullptr, false);
    }

    void SetUp() override {
        ASSERT_TRUE(catalogue_.is_array()) << kCatalogue << " is not a JSON array";
    }

    static void TearDownTestSuite() { catalogue_ = nullptr; }

    static nlohmann::json catalogue_;
};

nlohmann::json EmojiJsonDataTest::catalogue_;

TEST_F(EmojiJsonDataTest, EveryElementHasTheFiveKeysWithTheirTypes) {
    ASSERT_FALSE(catalogue_.empty());

    const auto isStringArray = [](const nlohmann::json& value) {
        return value.is_array() &&
               std::all_of(value.begin(), value.end(),
                           [](const nlohmann::json& item) { return item.is_string(); });
    };
    const std::vector<std::pair<const char*, std::function<bool(const nlohmann::json&)>>> keys{
        {"emoji", &nlohmann::json::is_string},
        {"name", &nlohmann::json::is_string},
        {"keywords", isStringArray},
        {"category", &nlohmann::json::is_string},
        {"supportsSkinTone", &nlohmann::json::is_boolean},
    };
    for (std::size_t index = 0; index < catalogue_.size(); ++index) {
        const auto& entry = catalogue_[index];
        ASSERT_TRUE(entry.is_object()) << "element " << index;
        for (const auto& [key, hasType] : keys) {
            ASSERT_TRUE(entry.contains(key)) << "element " << index << " lacks " << key;
            EXPECT_TRUE(hasType(entry[key]))
                << "element " << index << " key " << key << ": " << entry[key].dump();
        }
    }
}

TEST_F(EmojiJsonDataTest, EmojiAreUntonedNonEmptyUtf8) {
    for (const auto& entry : catalogue_) {
        const auto emoji = entry.at("emoji").get<std::string>();
        const auto scalars = scalarsOf(emoji);
        EXPECT_FALSE(withoutVariationSelectors(scalars).empty()) << "\"" << emoji << "\"";
        EXPECT_TRUE(std::none_of(
            scalars.begin(), scalars.end(),
            [](char32_t scalar) { return scalar >= kLightSkinTone && scalar <= kDarkSkinTone; }))
            << emoji << " already carries a skin-tone modifier";
    }
}

TEST_F(EmojiJsonDataTest, ToneFlagOnlyOnEntriesThatAreOneBaseScalar) {
    for (const auto& entry : catalogue_) {
        if (!entry.at("supportsSkinTone").get<bool>()) {
            continue;
        }
        const auto emoji = entry.at("emoji").get<std::string>();
        EXPECT_EQ(withoutVariationSelectors(scalarsOf(emoji)).size(), 1u)
            << emoji << " would lose everything after its first scalar when toned";
    }
}

TEST_F(EmojiJsonDataTest, ToneFlagSetExactlyWhereTheTonedBaseIsAnEmoji) {
    if (!fs::exists(kEmojiTest)) {
        GTEST_SKIP() << kEmojiTest << " is not installed (Debian package unicode-data)";
    }
    const auto fullyQualified = fullyQualifiedSequences(kEmojiTest);
    ASSERT_FALSE(fullyQualified.empty());

    for (const auto& entry : catalogue_) {
        const auto emoji = entry.at("emoji").get<std::string>();
        const auto base = withoutVariationSelectors(scalarsOf(emoji));
        const bool tonable = base.size() == 1 && fullyQualified.contains(base + kLightSkinTone);
        EXPECT_EQ(entry.at("supportsSkinTone").get<bool>(), tonable) << emoji;
    }
}

TEST_F(EmojiJsonDataTest, CategoriesAreContiguousInUnicodeGroupOrder) {
    std::vector<std::string> categories;
    for (const auto& entry : catalogue_) {
        const auto category = entry.at("category").get<std::string>();
        if (!categories.empty() && categories.back() == category) {
            continue;
        }
        EXPECT_EQ(std::find(categories.begin(), categories.end(), category), categories.end())
            << "\"" << category << "\" is split by \"" << categories.back() << "\"";
        categories.push_back(category);
    }
    const std::vector<std::string> expected{
        "Smileys & Emotion", "People & Body", "Animals & Nature", "Food & Drink", "Travel & Places",
        "Activities",        "Objects",       "Symbols",          "Flags",
    };
    EXPECT_EQ(categories, expected);
}

TEST(EmojiJsonGeneratorTest, RegeneratingReproducesTheCommittedFile) {
    for (const auto& input : {kEmojiTest, kAnnotations, kAnnotationsDerived}) {
        if (!fs::exists(input)) {
            GTEST_SKIP() << input << " is not installed (unicode-data, unicode-cldr-core)";
        }
    }
    if (std::system("command -v python3 >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "python3 is not available";
    }
    const fs::path output =
        fs::temp_directory_path() / ("zembril-emoji-" + std::to_string(::getpid()) + ".json");
    const std::string command =
        "python3 '" + kGenerator.string() + "' --output '" + output.string() + "'";

    const int status = std::system(command.c_str());
    const std::string regenerated = readFile(output);
    fs::remove(output);

    ASSERT_EQ(status, 0) << command;
    EXPECT_TRUE(regenerated == readFile(kCatalogue))
        << "resources/emoji.json is stale: run tools/generate-catalogue";
}

}  // namespace
