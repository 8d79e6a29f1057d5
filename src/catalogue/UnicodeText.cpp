#include "catalogue/UnicodeText.h"

#include <unicode/brkiter.h>
#include <unicode/bytestream.h>
#include <unicode/casemap.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/utext.h>
#include <unicode/utf8.h>

#include <algorithm>
#include <memory>

namespace UnicodeText {
namespace {

// ASCII text is its own NFD, its lowercase is the ASCII one, and each character but CR LF is
// a cluster of its own: most catalogue text takes these paths and never reaches ICU.
bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

const icu::Normalizer2* nfd() {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalizer = icu::Normalizer2::getNFDInstance(status);
    return U_SUCCESS(status) ? normalizer : nullptr;
}

std::string normalizedNfd(std::string_view text) {
    const icu::Normalizer2* normalizer = nfd();
    if (normalizer == nullptr) {
        return std::string(text);
    }
    std::string result;
    icu::StringByteSink<std::string> sink(&result, static_cast<int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    normalizer->normalizeUTF8(0, icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                              sink, nullptr, status);
    return U_SUCCESS(status) ? result : std::string(text);
}

std::string rootLowercase(std::string_view text) {
    std::string result;
    icu::StringByteSink<std::string> sink(&result, static_cast<int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8ToLower("", 0,
                              icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                              sink, nullptr, status);
    return U_SUCCESS(status) ? result : std::string(text);
}

// Creating a break iterator costs far more than using one; each thread keeps its own because
// an iterator holds the text it walks.
icu::BreakIterator* characterIterator() {
    thread_local std::unique_ptr<icu::BreakIterator> iterator = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> made(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        return U_SUCCESS(status) ? std::move(made) : nullptr;
    }();
    return iterator.get();
}

// The thread's character iterator on UTF-8 text, for as long as this object lives; its
// boundaries are byte offsets into that text.
class CharacterBoundaries {
public:
    explicit CharacterBoundaries(std::string_view text) : iterator_(characterIterator()) {
        if (iterator_ == nullptr) {
            return;
        }
        UErrorCode status = U_ZERO_ERROR;
        text_ = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
        if (U_SUCCESS(status)) {
            iterator_->setText(text_, status);
        }
        valid_ = U_SUCCESS(status);
    }
    ~CharacterBoundaries() {
        if (iterator_ != nullptr) {
            // The iterator keeps referring to its text: leave it on text that outlives every
            // call before the caller's buffer goes away.
            static const icu::UnicodeString nothing;
            iterator_->setText(nothing);
        }
        utext_close(text_);
    }
    CharacterBoundaries(const CharacterBoundaries&) = delete;
    CharacterBoundaries& operator=(const CharacterBoundaries&) = delete;

    bool valid() const { return valid_; }
    icu::BreakIterator* operator->() const { return iterator_; }

private:
    icu::BreakIterator* iterator_;
    UText* text_ = nullptr;
    bool valid_ = false;
};

std::size_t asciiGraphemeCount(std::string_view text) {
    std::size_t count = text.size();
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i - 1] == '\r' && text[i] == '\n') {
            --count;
        }
    }
    return count;
}

}  // namespace

std::string decomposed(std::string_view text) {
    if (isAscii(text)) {
        return std::string(text);
    }
    return normalizedNfd(text);
}

bool isDecomposed(std::string_view text) {
    if (isAscii(text)) {
        return true;
    }
    const icu::Normalizer2* normalizer = nfd();
    if (normalizer == nullptr) {
        return true;
    }
    UErrorCode status = U_ZERO_ERROR;
    const bool normalized = normalizer->isNormalizedUTF8(
        icu::StringPiece(text.data(), static_cast<int32_t>(text.size())), status);
    return U_SUCCESS(status) && normalized;
}

std::string searchFolded(std::string_view text) {
    if (isAscii(text)) {
        std::string lowered(text);
        for (char& c : lowered) {
            if (c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c - 'A' + 'a');
            }
        }
        return lowered;
    }
    return normalizedNfd(rootLowercase(text));
}

std::string uppercased(std::string_view text) {
    std::string result;
    icu::StringByteSink<std::string> sink(&result, static_cast<int32_t>(text.size()));
    UErrorCode status = U_ZERO_ERROR;
    icu::CaseMap::utf8ToUpper("", 0,
                              icu::StringPiece(text.data(), static_cast<int32_t>(text.size())),
                              sink, nullptr, status);
    return U_SUCCESS(status) ? result : std::string(text);
}

std::size_t graphemeCount(std::string_view text) {
    if (isAscii(text)) {
        return asciiGraphemeCount(text);
    }
    const CharacterBoundaries boundaries(text);
    if (!boundaries.valid()) {
        return scalars(text).size();
    }
    std::size_t count = 0;
    boundaries->first();
    while (boundaries->next() != icu::BreakIterator::DONE) {
        ++count;
    }
    return count;
}

std::string withoutLastCharacter(std::string_view text) {
    if (text.empty()) {
        return {};
    }
    if (isAscii(text)) {
        const bool crlf = text.size() >= 2 && text.substr(text.size() - 2) == "\r\n";
        return std::string(text.substr(0, text.size() - (crlf ? 2 : 1)));
    }
    const CharacterBoundaries boundaries(text);
    if (!boundaries.valid()) {
        std::u32string all = scalars(text);
        all.pop_back();
        return utf8(all);
    }
    boundaries->last();
    const int32_t lastBoundary = boundaries->previous();
    return std::string(
        text.substr(0, lastBoundary < 0 ? 0 : static_cast<std::size_t>(lastBoundary)));
}

bool isControlCharacter(char32_t scalar) {
    const auto category = u_charType(static_cast<UChar32>(scalar));
    return category == U_CONTROL_CHAR || category == U_FORMAT_CHAR;
}

std::u32string scalars(std::string_view text) {
    std::u32string result;
    result.reserve(text.size());
    const auto* bytes = reinterpret_cast<const uint8_t*>(text.data());
    const auto length = static_cast<int32_t>(text.size());
    int32_t offset = 0;
    while (offset < length) {
        UChar32 scalar = 0;
        U8_NEXT_OR_FFFD(bytes, offset, length, scalar);
        result.push_back(static_cast<char32_t>(scalar));
    }
    return result;
}

std::string utf8(std::u32string_view scalars) {
    std::string result;
    result.reserve(scalars.size() * 4);
    for (const char32_t scalar : scalars) {
        uint8_t buffer[U8_MAX_LENGTH];
        int32_t length = 0;
        UBool error = false;
        U8_APPEND(buffer, length, U8_MAX_LENGTH, static_cast<UChar32>(scalar), error);
        if (!error) {
            result.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(length));
        }
    }
    return result;
}

}  // namespace UnicodeText
