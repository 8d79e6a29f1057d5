#include "catalogue/RecentsStore.h"

#include <algorithm>
#include <string>

#include "catalogue/SkinTone.h"
#include "catalogue/UnicodeText.h"
#include "prefs/StoredPreferences.h"

namespace RecentsStore {
namespace {

std::string withoutTrailingSkinTone(std::string_view emoji) {
    std::u32string scalars = UnicodeText::scalars(emoji);
    if (scalars.empty() || !isSkinToneModifier(scalars.back())) {
        return std::string(emoji);
    }
    scalars.pop_back();
    return UnicodeText::utf8(scalars);
}

}  // namespace

std::vector<std::string> recent() {
    return prefs::recentEmoji();
}

void record(std::string_view emoji) {
    const std::string picked = withoutTrailingSkinTone(emoji);
    const std::string pickedKey = UnicodeText::decomposed(picked);
    std::vector<std::string> recents = prefs::recentEmoji();
    std::erase_if(recents, [&](const std::string& stored) {
        return UnicodeText::decomposed(stored) == pickedKey;
    });
    recents.insert(recents.begin(), picked);
    if (recents.size() > capacity) {
        recents.resize(capacity);
    }
    prefs::setRecentEmoji(recents);
}

}  // namespace RecentsStore
