#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace platform {

// A stored value of a kind the program never writes (null, an object, an array that holds
// something other than strings). It is present, and every typed read of it yields nothing.
struct OtherValue {
    bool operator==(const OtherValue&) const = default;
};

using StringArray = std::vector<std::string>;
using DefaultsValue =
    std::variant<bool, std::int64_t, double, std::string, StringArray, OtherValue>;

// The typed reads of a stored value. They convert loosely, so that a hand-edited file still
// reads sensibly: "YES", "true" or "1" is a true Boolean, "12 tones" is the integer 12.

/// Booleans are 0 or 1, numbers are truncated, strings give their leading integer; else 0.
std::int64_t integerValue(const DefaultsValue& value);
/// Numbers are true when non-zero; strings when they start (after spaces, a sign and zeros)
/// with Y, y, T, t or a digit from 1 to 9; else false.
bool boolValue(const DefaultsValue& value);
/// Strings as they are, numbers as decimal text; else nothing.
std::optional<std::string> stringValue(const DefaultsValue& value);
/// Arrays whose every element is a string; else nothing.
std::optional<StringArray> stringArrayValue(const DefaultsValue& value);

}  // namespace platform
