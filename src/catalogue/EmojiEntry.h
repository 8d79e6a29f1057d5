#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/SearchKeys.h"
#include "catalogue/SkinTone.h"

// One emoji of the catalogue. An immutable value: copies share one record, so the grid can copy
// thousands of entries on every keystroke for the price of a reference count each.
class EmojiEntry {
public:
    EmojiEntry(std::string emoji, std::string name, std::vector<std::string> keywords,
               std::string category, bool supportsSkinTone);

    /// Exactly the text that is pasted or copied, untoned.
    const std::string& emoji() const { return record_->emoji; }
    const std::string& name() const { return record_->description->name; }
    const std::vector<std::string>& keywords() const { return record_->description->keywords; }
    const std::string& category() const { return record_->description->category; }
    bool supportsSkinTone() const { return record_->supportsSkinTone; }

    /// The entry's text in `tone`: its first scalar other than U+FE0F followed by the tone's
    /// modifier, or the text unchanged when the entry takes no tone, the tone is `none`, or
    /// there is no such scalar.
    std::string glyph(SkinTone tone) const;

    /// The same entry showing `emoji` instead (the grid shows entries in the default tone).
    EmojiEntry withEmoji(std::string emoji) const;

    /// `emoji` in the form that makes canonically equivalent texts byte-equal.
    std::string_view emojiKey() const;
    /// `category` in the form that makes canonically equivalent texts byte-equal.
    std::string_view categoryKey() const;
    /// The name and keywords folded for search, and the name's length in characters.
    const SearchKeys& searchKeys() const { return record_->description->searchKeys; }

private:
    struct Description {
        std::string name;
        std::vector<std::string> keywords;
        std::string category;
        std::string categoryKey;  // empty when `category` is its own key
        SearchKeys searchKeys;
    };
    struct Record {
        std::string emoji;
        std::string emojiKey;  // empty when `emoji` is its own key
        bool supportsSkinTone;
        std::shared_ptr<const Description> description;
    };

    explicit EmojiEntry(std::shared_ptr<const Record> record) : record_(std::move(record)) {}

    std::shared_ptr<const Record> record_;
};
