#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

// One of the five skin tones an emoji of a person can take, or none (the untoned glyph).
class SkinTone {
public:
    enum Value : std::uint8_t { none, light, mediumLight, medium, mediumDark, dark };

    constexpr SkinTone(Value value) : value_(value) {}  // NOLINT: converts like the enum it wraps

    /// The six tones in raw-value order: `none` first, `dark` last.
    static const std::array<SkinTone, 6> allCases;

    /// The tone for 0 to 5; nothing for any other value.
    static std::optional<SkinTone> fromRawValue(std::int64_t rawValue);
    constexpr int rawValue() const { return value_; }

    /// The name the user sees, such as "Medium-Light".
    std::string_view displayName() const;
    /// The Fitzpatrick modifier the tone appends; nothing for `none`.
    std::optional<char32_t> modifier() const;

    constexpr Value value() const { return value_; }
    constexpr bool operator==(const SkinTone&) const = default;

private:
    Value value_;
};

template <>
struct std::hash<SkinTone> {
    std::size_t operator()(SkinTone tone) const noexcept {
        return std::hash<int>{}(tone.rawValue());
    }
};

/// Whether `scalar` is one of the five skin-tone modifiers, U+1F3FB to U+1F3FF.
constexpr bool isSkinToneModifier(char32_t scalar) {
    return scalar >= 0x1F3FB && scalar <= 0x1F3FF;
}
