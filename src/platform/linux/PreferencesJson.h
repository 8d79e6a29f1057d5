#pragma once

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DefaultsValue.h"

namespace platform {

/// The preferences object in `bytes`: strict JSON whose top level is an object, nested no
/// deeper than the writer can serialize safely; nothing otherwise.
std::optional<nlohmann::json> parsePreferences(std::string_view bytes);

/// The stored value as the typed reads see it.
DefaultsValue defaultsValue(const nlohmann::json& json);

/// The JSON a caller's value is stored as.
nlohmann::json jsonValue(const DefaultsValue& value);

/// The file contents for `preferences`; invalid UTF-8 in keys or strings becomes U+FFFD.
std::string serializedPreferences(const nlohmann::json& preferences);

}  // namespace platform
