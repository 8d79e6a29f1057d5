#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "catalogue/EmojiDataStore.h"

namespace {

constexpr const char* valid =
    R"({"emoji": "😀", "name": "grinning face", "keywords": ["face", "grin"],
                                  "category": "Smileys & Emotion", "supportsSkinTone": false})";

std::string catalogue(const std::string& elements) {
    return "[" + elements + "]";
}

TEST(EmojiDataStoreDecode, ReadsEveryFieldInFileOrder) {
    const auto entries = EmojiDataStore::decode(catalogue(std::string(valid) + R"(,
        {"emoji": "👋", "name": "waving hand", "keywords": [], "category": "People & Body",
         "supportsSkinTone": true, "extra": 42})"));
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 2u);
    const EmojiEntry& first = (*entries)[0];
    EXPECT_EQ(first.emoji(), "😀");
    EXPECT_EQ(first.name(), "grinning face");
    EXPECT_EQ(first.keywords(), (std::vector<std::string>{"face", "grin"}));
    EXPECT_EQ(first.category(), "Smileys & Emotion");
    EXPECT_FALSE(first.supportsSkinTone());
    const EmojiEntry& second = (*entries)[1];
    EXPECT_EQ(second.emoji(), "👋");
    EXPECT_TRUE(second.keywords().empty());
    EXPECT_TRUE(second.supportsSkinTone());
}

TEST(EmojiDataStoreDecode, AcceptsAnEmptyArrayAndDuplicateEmoji) {
    EXPECT_EQ(EmojiDataStore::decode("[]")->size(), 0u);
    EXPECT_EQ(EmojiDataStore::decode(catalogue(std::string(valid) + "," + valid))->size(), 2u);
}

// One bad element empties the whole catalogue, whatever is wrong with it.
TEST(EmojiDataStoreDecode, RejectsTheWholeCatalogueForOneBadElement) {
    const std::string good(valid);
    const struct {
        const char* why;
        std::string json;
    } cases[] = {
        {"not JSON", "[{"},
        {"trailing garbage", catalogue(good) + "x"},
        {"top-level object", good},
        {"top-level string", R"("emoji")"},
        {"element not an object", catalogue(good + ", 3")},
        {"missing supportsSkinTone",
         catalogue(R"({"emoji": "a", "name": "a", "keywords": [], "category": "c"})")},
        {"supportsSkinTone as number",
         catalogue(
             R"({"emoji": "a", "name": "a", "keywords": [], "category": "c", "supportsSkinTone": 1})")},
        {"null keywords",
         catalogue(
             R"({"emoji": "a", "name": "a", "keywords": null, "category": "c", "supportsSkinTone": true})")},
        {"keywords as string",
         catalogue(
             R"({"emoji": "a", "name": "a", "keywords": "x", "category": "c", "supportsSkinTone": true})")},
        {"number inside keywords",
         catalogue(
             R"({"emoji": "a", "name": "a", "keywords": ["x", 1], "category": "c", "supportsSkinTone": true})")},
        {"key in other letter case",
         catalogue(
             R"({"Emoji": "a", "name": "a", "keywords": [], "category": "c", "supportsSkinTone": true})")},
        {"null name",
         catalogue(
             R"({"emoji": "a", "name": null, "keywords": [], "category": "c", "supportsSkinTone": true})")},
        {"numeric category",
         catalogue(
             R"({"emoji": "a", "name": "a", "keywords": [], "category": 7, "supportsSkinTone": true})")},
        {"invalid UTF-8", catalogue("{\"emoji\": \"\xff\", \"name\": \"a\", \"keywords\": [], "
                                    "\"category\": \"c\", \"supportsSkinTone\": true}")},
        {"bad element after good ones", catalogue(good + "," + good + R"(, {"emoji": "a"})")},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(EmojiDataStore::decode(c.json)) << c.why;
    }
}

class EmojiDataStoreLoad : public testing::Test {
protected:
    void SetUp() override {
        folder_ = std::filesystem::temp_directory_path() /
                  ("zembril-catalogue-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::filesystem::path write(const std::string& name, const std::string& contents) {
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << contents;
        return path;
    }

    std::filesystem::path folder_;
};

TEST_F(EmojiDataStoreLoad, GivesTheEntriesOfAGoodFile) {
    EXPECT_EQ(EmojiDataStore::load(write("good.json", catalogue(valid))).size(), 1u);
}

TEST_F(EmojiDataStoreLoad, GivesNothingForAFileThatCannotBeUsed) {
    EXPECT_TRUE(EmojiDataStore::load(folder_ / "missing.json").empty());
    EXPECT_TRUE(EmojiDataStore::load(folder_).empty()) << "a folder";
    EXPECT_TRUE(EmojiDataStore::load(write("empty.json", "")).empty());
    EXPECT_TRUE(EmojiDataStore::load(write("object.json", valid)).empty());
    const auto unreadable = write("unreadable.json", catalogue(valid));
    std::filesystem::permissions(unreadable, std::filesystem::perms::none);
    if (::geteuid() != 0) {  // root reads it anyway
        EXPECT_TRUE(EmojiDataStore::load(unreadable).empty());
    }
    // A named pipe without a writer would block a plain open for ever.
    const auto pipe = folder_ / "pipe.json";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_TRUE(EmojiDataStore::load(pipe).empty());
}

}  // namespace
