#include "platform/linux/PreferencesJson.h"

#include <cstdint>
#include <limits>

namespace platform {
namespace {

// Writing serializes recursively, so a hand-edited file nested thousands deep could exhaust the
// stack; the program itself never nests deeper than an array inside the top-level object.
constexpr int maximumDepth = 64;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

bool holdsOnlyStrings(const nlohmann::json& array) {
    for (const auto& element : array) {
        if (!element.is_string()) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::optional<nlohmann::json> parsePreferences(std::string_view bytes) {
    bool tooDeep = false;
    const auto noteDepth = [&tooDeep](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
        tooDeep = tooDeep || depth > maximumDepth;
        return true;
    };
    auto parsed = nlohmann::json::parse(bytes.begin(), bytes.end(), noteDepth, false);
    if (tooDeep || !parsed.is_object()) {
        return std::nullopt;
    }
    return parsed;
}

DefaultsValue defaultsValue(const nlohmann::json& json) {
    switch (json.type()) {
        case nlohmann::json::value_t::boolean:
            return json.get<bool>();
        case nlohmann::json::value_t::number_integer:
            return json.get<std::int64_t>();
        case nlohmann::json::value_t::number_unsigned: {
            const auto number = json.get<std::uint64_t>();
            if (number <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
                return static_cast<std::int64_t>(number);
            }
            return static_cast<double>(number);
        }
        case nlohmann::json::value_t::number_float:
            return json.get<double>();
        case nlohmann::json::value_t::string:
            return json.get<std::string>();
        case nlohmann::json::value_t::array:
            if (holdsOnlyStrings(json)) {
                return json.get<StringArray>();
            }
            return OtherValue{};
        default:
            return OtherValue{};
    }
}

nlohmann::json jsonValue(const DefaultsValue& value) {
    return std::visit(Overloaded{[](bool b) { return nlohmann::json(b); },
                                 [](std::int64_t n) { return nlohmann::json(n); },
                                 [](double d) { return nlohmann::json(d); },
                                 [](const std::string& s) { return nlohmann::json(s); },
                                 [](const StringArray& a) { return nlohmann::json(a); },
                                 // An OtherValue carries no content: it is stored as null, which
                                 // reads back as an OtherValue.
                                 [](const OtherValue&) { return nlohmann::json(nullptr); }},
                      value);
}

std::string serializedPreferences(const nlohmann::json& preferences) {
    return preferences.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace platform
