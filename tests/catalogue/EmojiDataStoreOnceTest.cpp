// The catalogue is loaded once per process, so these run in a process of their own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <future>

#include "catalogue/EmojiDataStore.h"
#include "platform/fake/FakePlatform.h"

namespace {

TEST(EmojiDataStoreEntries, LoadsOnceOnFirstUseFromAnyThreadAndNeverAgain) {
    platform::FakePlatform fake;
    const auto folder =
        std::filesystem::temp_directory_path() / ("zembril-once-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const auto path = folder / "emoji.json";
    std::ofstream(path) << R"([{"emoji": "🐱", "name": "cat face", "keywords": ["cat"],
                              "category": "Animals & Nature", "supportsSkinTone": false}])";
    fake.resources.folder = folder;

    auto first = std::async(std::launch::async, [] { return &EmojiDataStore::entries(); });
    auto second = std::async(std::launch::async, [] { return &EmojiDataStore::entries(); });
    const auto* catalogue = first.get();
    EXPECT_EQ(catalogue, second.get());
    ASSERT_EQ(catalogue->size(), 1u);

    std::ofstream(path) << "[]";
    EXPECT_EQ(EmojiDataStore::entries().size(), 1u) << "a changed file is not read again";
    std::filesystem::remove_all(folder);
    EXPECT_EQ(EmojiDataStore::entries().size(), 1u) << "a removed file is not read again";
    EXPECT_EQ(EmojiDataStore::entries()[0].name(), "cat face");
}

}  // namespace
