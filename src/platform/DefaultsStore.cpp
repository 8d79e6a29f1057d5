#include "platform/DefaultsStore.h"

namespace platform {

std::int64_t DefaultsStore::integer(std::string_view key) const {
    const auto value = object(key);
    return value ? integerValue(*value) : 0;
}

bool DefaultsStore::boolean(std::string_view key) const {
    const auto value = object(key);
    return value ? boolValue(*value) : false;
}

std::optional<std::string> DefaultsStore::string(std::string_view key) const {
    const auto value = object(key);
    return value ? stringValue(*value) : std::nullopt;
}

std::optional<StringArray> DefaultsStore::stringArray(std::string_view key) const {
    const auto value = object(key);
    return value ? stringArrayValue(*value) : std::nullopt;
}

void DefaultsStore::setInteger(std::string_view key, std::int64_t value) {
    setObject(key, DefaultsValue{value});
}

void DefaultsStore::setBool(std::string_view key, bool value) {
    setObject(key, DefaultsValue{value});
}

void DefaultsStore::setString(std::string_view key, const std::string& value) {
    setObject(key, DefaultsValue{value});
}

void DefaultsStore::setStringArray(std::string_view key, const StringArray& value) {
    setObject(key, DefaultsValue{value});
}

}  // namespace platform
