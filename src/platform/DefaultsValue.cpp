#include "platform/DefaultsValue.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace platform {
namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view skipSpaces(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::int64_t leadingInteger(std::string_view text) {
    text = skipSpaces(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::int64_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        const int digit = c - '0';
        if (result > (std::numeric_limits<std::int64_t>::max() - digit) / 10) {
            return negative ? std::numeric_limits<std::int64_t>::min()
                            : std::numeric_limits<std::int64_t>::max();
        }
        result = result * 10 + digit;
    }
    return negative ? -result : result;
}

std::int64_t truncated(double number) {
    if (std::isnan(number)) {
        return 0;
    }
    constexpr double limit = 9223372036854775807.0;
    if (number >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (number <= -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(number);
}

bool leadingTruth(std::string_view text) {
    text = skipSpaces(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.front() == '0') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const char c = text.front();
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::string decimalText(double number) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    return std::string(buffer, result.ptr);
}

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};

}  // namespace

std::int64_t integerValue(const DefaultsValue& value) {
    return std::visit(
        Overloaded{[](bool b) -> std::int64_t { return b ? 1 : 0; },
                   [](std::int64_t n) { return n; }, [](double d) { return truncated(d); },
                   [](const std::string& s) { return leadingInteger(s); },
                   [](const StringArray&) -> std::int64_t { return 0; },
                   [](const OtherValue&) -> std::int64_t { return 0; }},
        value);
}

bool boolValue(const DefaultsValue& value) {
    return std::visit(Overloaded{[](bool b) { return b; }, [](std::int64_t n) { return n != 0; },
                                 [](double d) { return d != 0.0; },
                                 [](const std::string& s) { return leadingTruth(s); },
                                 [](const StringArray&) { return false; },
                                 [](const OtherValue&) { return false; }},
                      value);
}

std::optional<std::string> stringValue(const DefaultsValue& value) {
    return std::visit(
        Overloaded{[](bool b) -> std::optional<std::string> { return b ? "1" : "0"; },
                   [](std::int64_t n) -> std::optional<std::string> { return std::to_string(n); },
                   [](double d) -> std::optional<std::string> { return decimalText(d); },
                   [](const std::string& s) -> std::optional<std::string> { return s; },
                   [](const StringArray&) -> std::optional<std::string> { return std::nullopt; },
                   [](const OtherValue&) -> std::optional<std::string> { return std::nullopt; }},
        value);
}

std::optional<StringArray> stringArrayValue(const DefaultsValue& value) {
    if (const auto* array = std::get_if<StringArray>(&value)) {
        return *array;
    }
    return std::nullopt;
}

}  // namespace platform
