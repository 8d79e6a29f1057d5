#include "catalogue/EmojiDataStore.h"

#include <nlohmann/json.hpp>

#include "platform/FileReading.h"
#include "platform/Platform.h"

namespace EmojiDataStore {
namespace {

using Json = nlohmann::json;

// Far beyond any catalogue (today's is under 1 MB): a file this large is not one.
constexpr off_t maximumFileSize = 64 * 1024 * 1024;

const std::string* stringField(const Json& object, const char* key) {
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get_ptr<const std::string*>()
                                                       : nullptr;
}

std::optional<std::vector<std::string>> keywordsField(const Json& object) {
    const auto found = object.find("keywords");
    if (found == object.end() || !found->is_array()) {
        return std::nullopt;
    }
    std::vector<std::string> keywords;
    keywords.reserve(found->size());
    for (const Json& keyword : *found) {
        if (!keyword.is_string()) {
            return std::nullopt;
        }
        keywords.push_back(keyword.get_ref<const std::string&>());
    }
    return keywords;
}

std::optional<EmojiEntry> decodeEntry(const Json& element) {
    if (!element.is_object()) {
        return std::nullopt;
    }
    const std::string* emoji = stringField(element, "emoji");
    const std::string* name = stringField(element, "name");
    const std::string* category = stringField(element, "category");
    auto keywords = keywordsField(element);
    const auto supportsSkinTone = element.find("supportsSkinTone");
    if (emoji == nullptr || name == nullptr || category == nullptr || !keywords ||
        supportsSkinTone == element.end() || !supportsSkinTone->is_boolean()) {
        return std::nullopt;
    }
    return EmojiEntry(*emoji, *name, std::move(*keywords), *category,
                      supportsSkinTone->get<bool>());
}

}  // namespace

std::optional<std::vector<EmojiEntry>> decode(std::string_view json) {
    const Json document = Json::parse(json, nullptr, /*allow_exceptions=*/false);
    if (!document.is_array()) {
        return std::nullopt;
    }
    std::vector<EmojiEntry> entries;
    entries.reserve(document.size());
    for (const Json& element : document) {
        auto entry = decodeEntry(element);
        if (!entry) {
            return std::nullopt;
        }
        entries.push_back(std::move(*entry));
    }
    return entries;
}

std::vector<EmojiEntry> load(const std::filesystem::path& path) {
    const platform::FileRead contents = platform::readFile(path, std::nullopt, maximumFileSize);
    if (contents.status != platform::FileRead::Status::read) {
        return {};
    }
    return decode(contents.bytes).value_or(std::vector<EmojiEntry>{});
}

const std::vector<EmojiEntry>& entries() {
    // A function-local static is initialised exactly once even when threads race to it; the
    // losers wait for the winner and share its list.
    static const std::vector<EmojiEntry> catalogue = [] {
        const auto path = platform::resources().pathForResource("emoji", "json");
        return path ? load(*path) : std::vector<EmojiEntry>{};
    }();
    return catalogue;
}

}  // namespace EmojiDataStore
