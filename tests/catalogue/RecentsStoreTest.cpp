#include <gtest/gtest.h>

#include "catalogue/RecentsStore.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"

namespace {

using List = std::vector<std::string>;

class RecentsStoreTest : public testing::Test {
protected:
    List stored() const { return *fake_.defaults.stringArray(prefs::keys::recentEmoji); }
    void store(const List& list) { fake_.defaults.setStringArray(prefs::keys::recentEmoji, list); }

    platform::FakePlatform fake_;
};

TEST_F(RecentsStoreTest, PutsThePickFirstWithoutDuplicates) {
    RecentsStore::record("a");
    RecentsStore::record("a");
    EXPECT_EQ(stored(), List{"a"});
    store({"1", "2", "3", "4", "5", "6"});
    RecentsStore::record("5");
    EXPECT_EQ(stored(), (List{"5", "1", "2", "3", "4", "6"}));
    store({"x", "y", "x"});
    RecentsStore::record("x");
    EXPECT_EQ(stored(), (List{"x", "y"})) << "every equal element goes";
}

TEST_F(RecentsStoreTest, KeepsTheNewestEighteen) {
    for (int i = 1; i <= 19; ++i) {
        RecentsStore::record(std::to_string(i));
    }
    const List list = stored();
    ASSERT_EQ(list.size(), 18u);
    EXPECT_EQ(list.front(), "19");
    EXPECT_EQ(list.back(), "2");
    List tooLong(25, "");
    for (std::size_t i = 0; i < tooLong.size(); ++i) {
        tooLong[i] = "old" + std::to_string(i);
    }
    store(tooLong);
    RecentsStore::record("new");
    EXPECT_EQ(stored().size(), 18u) << "a list edited from outside is cut back";
}

TEST_F(RecentsStoreTest, RemovesOneTrailingSkinToneModifier) {
    const struct {
        const char* why;
        std::string picked;
        std::string stored;
    } cases[] = {
        {"toned pick", "\U0001F44B\U0001F3FD", "\U0001F44B"},
        {"two modifiers, only the last goes", "\U0001F44B\U0001F3FB\U0001F3FF",
         "\U0001F44B\U0001F3FB"},
        {"modifier not last stays", "\U0001F44B\U0001F3FB\u200D", "\U0001F44B\U0001F3FB\u200D"},
        {"untoned pick", "\U0001F600", "\U0001F600"},
    };
    for (const auto& c : cases) {
        store({});
        RecentsStore::record(c.picked);
        EXPECT_EQ(stored(), List{c.stored}) << c.why;
    }
    store({});
    RecentsStore::record("\U0001F44B\U0001F3FB");
    RecentsStore::record("\U0001F44B");
    EXPECT_EQ(stored(), List{"\U0001F44B"}) << "both picks reduce to the same stored string";
}

TEST_F(RecentsStoreTest, TreatsCanonicallyEquivalentEmojiAsEqual) {
    store({"e\u0301", "b"});
    RecentsStore::record("\u00E9");
    EXPECT_EQ(stored(), (List{"\u00E9", "b"}));
}

TEST_F(RecentsStoreTest, ReplacesAStoredValueThatIsNotAListOfStrings) {
    fake_.defaults.setInteger(prefs::keys::recentEmoji, 7);
    RecentsStore::record("a");
    EXPECT_EQ(stored(), List{"a"});
    fake_.defaults.setObject(prefs::keys::recentEmoji, platform::OtherValue{});
    RecentsStore::record("b");
    EXPECT_EQ(stored(), List{"b"});
}

}  // namespace
