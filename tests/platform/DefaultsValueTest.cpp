#include <gtest/gtest.h>

#include "platform/DefaultsValue.h"
#include "platform/fake/FakeDefaultsStore.h"

namespace {

using platform::DefaultsValue;
using platform::OtherValue;
using platform::StringArray;

TEST(DefaultsValue, TypedReadsConvertLikeTheUserDefaultsStore) {
    const struct {
        DefaultsValue value;
        std::int64_t integer;
        bool boolean;
        std::optional<std::string> string;
    } cases[] = {
        {true, 1, true, "1"},
        {false, 0, false, "0"},
        {std::int64_t{42}, 42, true, "42"},
        {std::int64_t{-3}, -3, true, "-3"},
        {std::int64_t{0}, 0, false, "0"},
        {2.9, 2, true, "2.9"},
        {-0.5, 0, true, "-0.5"},
        {std::string("12abc"), 12, true, "12abc"},
        {std::string("  -7"), -7, true, "  -7"},
        {std::string("YES"), 0, true, "YES"},
        {std::string("true"), 0, true, "true"},
        {std::string("no"), 0, false, "no"},
        {std::string("0"), 0, false, "0"},
        {std::string("007"), 7, true, "007"},
        {std::string(""), 0, false, ""},
        {std::string("99999999999999999999"), INT64_MAX, true, "99999999999999999999"},
        {StringArray{"a"}, 0, false, std::nullopt},
        {OtherValue{}, 0, false, std::nullopt},
    };
    for (const auto& c : cases) {
        const std::string shown = platform::stringValue(c.value).value_or("<none>");
        EXPECT_EQ(platform::integerValue(c.value), c.integer) << shown;
        EXPECT_EQ(platform::boolValue(c.value), c.boolean) << shown;
        EXPECT_EQ(platform::stringValue(c.value), c.string) << shown;
    }
    EXPECT_EQ(platform::stringArrayValue(StringArray{"a", "b"}), (StringArray{"a", "b"}));
    EXPECT_FALSE(platform::stringArrayValue(std::string("a")));
    EXPECT_FALSE(platform::stringArrayValue(OtherValue{}));
}

TEST(DefaultsStore, TypedReadsOfAnAbsentKeyYieldNothing) {
    platform::FakeDefaultsStore store;
    EXPECT_EQ(store.integer("k"), 0);
    EXPECT_FALSE(store.boolean("k"));
    EXPECT_FALSE(store.string("k"));
    EXPECT_FALSE(store.stringArray("k"));
    store.setBool("k", true);
    EXPECT_EQ(store.integer("k"), 1);
    store.removeObject("k");
    EXPECT_FALSE(store.object("k"));
}

}  // namespace
