#include "catalogue/SearchKeys.h"

#include "catalogue/UnicodeText.h"

namespace {

void appendCandidate(std::string& joined, std::vector<std::uint32_t>& ends, std::string_view text) {
    joined += UnicodeText::searchFolded(text);
    ends.push_back(static_cast<std::uint32_t>(joined.size()));
    joined.push_back('\0');
}

}  // namespace

SearchKeys::SearchKeys(std::string_view name, const std::vector<std::string>& keywords)
    : nameLength_(UnicodeText::graphemeCount(name)) {
    ends_.reserve(keywords.size() + 1);
    appendCandidate(joined_, ends_, name);
    for (const auto& keyword : keywords) {
        appendCandidate(joined_, ends_, keyword);
    }
}

std::string_view SearchKeys::candidate(std::size_t index) const {
    const std::size_t begin = index == 0 ? 0 : ends_[index - 1] + 1;
    return std::string_view(joined_).substr(begin, ends_[index] - begin);
}
