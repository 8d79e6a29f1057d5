#include "catalogue/EmojiDataStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "platform/Platform.h"

namespace EmojiDataStore {
namespace {

using Json = nlohmann::json;

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

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return std::nullopt;
    }
    std::optional<std::string> contents;
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode)) {
        std::string buffer(static_cast<std::size_t>(status.st_size), '\0');
        std::size_t filled = 0;
        while (filled < buffer.size()) {
            const ssize_t got = ::read(descriptor, buffer.data() + filled, buffer.size() - filled);
            if (got <= 0) {
                break;
            }
            filled += static_cast<std::size_t>(got);
        }
        if (filled == buffer.size()) {
            contents = std::move(buffer);
        }
    }
    ::close(descriptor);
    return contents;
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
    const auto contents = readWholeFile(path);
    if (!contents) {
        return {};
    }
    return decode(*contents).value_or(std::vector<EmojiEntry>{});
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
