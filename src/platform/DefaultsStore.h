#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/DefaultsValue.h"

namespace platform {

// The user's stored preferences: a flat map from key to value, read afresh at every use.
class DefaultsStore {
public:
    DefaultsStore() = default;
    DefaultsStore(const DefaultsStore&) = delete;
    DefaultsStore& operator=(const DefaultsStore&) = delete;
    virtual ~DefaultsStore() = default;

    /// The value stored under `key`, or nothing when the key is absent.
    virtual std::optional<DefaultsValue> object(std::string_view key) const = 0;
    /// Stores `value` under `key`, replacing what was there.
    virtual void setObject(std::string_view key, const DefaultsValue& value) = 0;
    /// Removes `key`; nothing happens when it is absent.
    virtual void removeObject(std::string_view key) = 0;
    /// Stores every value under its key in one write: a reader, in this process or another,
    /// sees all of them or none.
    virtual void setObjects(const std::vector<std::pair<std::string, DefaultsValue>>& values) = 0;

    /// 0 when absent or not convertible (see integerValue).
    std::int64_t integer(std::string_view key) const;
    /// false when absent or not convertible (see boolValue).
    bool boolean(std::string_view key) const;
    /// Nothing when absent or not convertible (see stringValue).
    std::optional<std::string> string(std::string_view key) const;
    /// Nothing when absent or not an array of strings.
    std::optional<StringArray> stringArray(std::string_view key) const;

    void setInteger(std::string_view key, std::int64_t value);
    void setBool(std::string_view key, bool value);
    void setString(std::string_view key, const std::string& value);
    void setStringArray(std::string_view key, const StringArray& value);
};

}  // namespace platform
