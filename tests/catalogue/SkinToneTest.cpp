#include <gtest/gtest.h>

#include "catalogue/EmojiEntry.h"
#include "catalogue/SkinTone.h"
#include "catalogue/SkinToneSettings.h"
#include "platform/fake/FakePlatform.h"
#include "prefs/PreferenceKeys.h"

namespace {

EmojiEntry entry(const std::string& emoji, bool supportsSkinTone) {
    return EmojiEntry(emoji, "name", {}, "People & Body", supportsSkinTone);
}

TEST(SkinTone, CasesInRawValueOrderWithNamesAndModifiers) {
    const struct {
        SkinTone tone;
        const char* displayName;
        std::optional<char32_t> modifier;
    } expected[] = {
        {SkinTone::none, "Default", std::nullopt},        {SkinTone::light, "Light", 0x1F3FB},
        {SkinTone::mediumLight, "Medium-Light", 0x1F3FC}, {SkinTone::medium, "Medium", 0x1F3FD},
        {SkinTone::mediumDark, "Medium-Dark", 0x1F3FE},   {SkinTone::dark, "Dark", 0x1F3FF},
    };
    ASSERT_EQ(SkinTone::allCases.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const SkinTone tone = SkinTone::allCases[i];
        EXPECT_EQ(tone, expected[i].tone);
        EXPECT_EQ(tone.rawValue(), static_cast<int>(i));
        EXPECT_EQ(SkinTone::fromRawValue(tone.rawValue()), tone);
        EXPECT_EQ(tone.displayName(), expected[i].displayName);
        EXPECT_EQ(tone.modifier(), expected[i].modifier);
    }
    EXPECT_FALSE(SkinTone::fromRawValue(-1));
    EXPECT_FALSE(SkinTone::fromRawValue(6));
}

TEST(EmojiEntryGlyph, TonesTheFirstScalarOtherThanTheVariationSelector) {
    const struct {
        const char* why;
        std::string emoji;
        bool supportsSkinTone;
        SkinTone tone;
        std::string expected;
    } cases[] = {
        {"one scalar", "\U0001F44B", true, SkinTone::medium, "\U0001F44B\U0001F3FD"},
        {"selector after the base is dropped", "\u261D\uFE0F", true, SkinTone::light,
         "\u261D\U0001F3FB"},
        {"selector before the base is skipped", "\uFE0F\u261D", true, SkinTone::light,
         "\u261D\U0001F3FB"},
        {"joiner and what follows are dropped", "\U0001F9D1\u200D\U0001F4BB", true, SkinTone::dark,
         "\U0001F9D1\U0001F3FF"},
        {"no tone support", "\U0001F600", false, SkinTone::dark, "\U0001F600"},
        {"tone none", "\U0001F44B", true, SkinTone::none, "\U0001F44B"},
        {"empty emoji", "", true, SkinTone::light, ""},
        {"only selectors", "\uFE0F\uFE0F", true, SkinTone::light, "\uFE0F\uFE0F"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(entry(c.emoji, c.supportsSkinTone).glyph(c.tone), c.expected) << c.why;
    }
}

TEST(SkinToneSettings, ReadsAbsentNoneOrATone) {
    platform::FakePlatform fake;
    EXPECT_FALSE(SkinToneSettings::saved()) << "nothing stored";
    const struct {
        platform::DefaultsValue stored;
        std::optional<SkinTone> expected;
    } cases[] = {
        {std::int64_t{0}, SkinTone::none}, {std::int64_t{5}, SkinTone::dark},
        {std::int64_t{6}, std::nullopt},   {std::int64_t{-1}, std::nullopt},
        {std::int64_t{9}, std::nullopt},   {std::string("3"), SkinTone::medium},
        {true, SkinTone::light},           {platform::OtherValue{}, SkinTone::none},
    };
    for (const auto& c : cases) {
        fake.defaults.setObject(prefs::keys::skinTone, c.stored);
        EXPECT_EQ(SkinToneSettings::saved(), c.expected) << c.stored.index();
    }
    SkinToneSettings::save(SkinTone::mediumDark);
    EXPECT_EQ(fake.defaults.integer(prefs::keys::skinTone), 4);
    EXPECT_EQ(SkinToneSettings::saved(), SkinTone::mediumDark);
}

}  // namespace
