#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// An entry's name and keywords, lowercased and decomposed once so a search compares bytes, and
// the name's length in user-perceived characters, which breaks ties between equal scores.
class SearchKeys {
public:
    SearchKeys(std::string_view name, const std::vector<std::string>& keywords);

    /// The folded candidates, the name first, then each keyword.
    std::size_t candidateCount() const { return ends_.size(); }
    std::string_view candidate(std::size_t index) const;

    /// All candidates joined, each followed by a NUL, so one scan rules out most entries.
    std::string_view joined() const { return joined_; }
    std::size_t nameLength() const { return nameLength_; }

private:
    std::string joined_;
    std::vector<std::uint32_t> ends_;
    std::size_t nameLength_;
};
