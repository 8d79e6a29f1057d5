#include "catalogue/EmojiEntry.h"

#include "catalogue/UnicodeText.h"

namespace {

std::string keyUnlessDecomposed(std::string_view text) {
    return UnicodeText::isDecomposed(text) ? std::string() : UnicodeText::decomposed(text);
}

}  // namespace

EmojiEntry::EmojiEntry(std::string emoji, std::string name, std::vector<std::string> keywords,
                       std::string category, bool supportsSkinTone) {
    SearchKeys searchKeys(name, keywords);
    std::string categoryKey = keyUnlessDecomposed(category);
    auto description = std::make_shared<const Description>(
        Description{std::move(name), std::move(keywords), std::move(category),
                    std::move(categoryKey), std::move(searchKeys)});
    std::string emojiKey = keyUnlessDecomposed(emoji);
    record_ = std::make_shared<const Record>(
        Record{std::move(emoji), std::move(emojiKey), supportsSkinTone, std::move(description)});
}

EmojiEntry EmojiEntry::withEmoji(std::string emoji) const {
    std::string emojiKey = keyUnlessDecomposed(emoji);
    return EmojiEntry(std::make_shared<const Record>(Record{
        std::move(emoji), std::move(emojiKey), record_->supportsSkinTone, record_->description}));
}

std::string_view EmojiEntry::emojiKey() const {
    return record_->emojiKey.empty() ? std::string_view(record_->emoji)
                                     : std::string_view(record_->emojiKey);
}

std::string_view EmojiEntry::categoryKey() const {
    const Description& description = *record_->description;
    return description.categoryKey.empty() ? std::string_view(description.category)
                                           : std::string_view(description.categoryKey);
}

std::string EmojiEntry::glyph(SkinTone tone) const {
    const auto modifier = tone.modifier();
    if (!supportsSkinTone() || !modifier) {
        return emoji();
    }
    for (const char32_t scalar : UnicodeText::scalars(emoji())) {
        if (scalar != 0xFE0F) {
            return UnicodeText::utf8(std::u32string{scalar, *modifier});
        }
    }
    return emoji();
}
