#include "catalogue/SkinTone.h"

const std::array<SkinTone, 6> SkinTone::allCases = {
    SkinTone::none,   SkinTone::light,      SkinTone::mediumLight,
    SkinTone::medium, SkinTone::mediumDark, SkinTone::dark,
};

std::optional<SkinTone> SkinTone::fromRawValue(std::int64_t rawValue) {
    if (rawValue < 0 || rawValue >= static_cast<std::int64_t>(allCases.size())) {
        return std::nullopt;
    }
    return allCases[static_cast<std::size_t>(rawValue)];
}

std::string_view SkinTone::displayName() const {
    switch (value_) {
        case none:
            return "Default";
        case light:
            return "Light";
        case mediumLight:
            return "Medium-Light";
        case medium:
            return "Medium";
        case mediumDark:
            return "Medium-Dark";
        case dark:
            return "Dark";
    }
    return "Default";
}

std::optional<char32_t> SkinTone::modifier() const {
    if (value_ == none) {
        return std::nullopt;
    }
    return static_cast<char32_t>(0x1F3FB + (value_ - light));
}
