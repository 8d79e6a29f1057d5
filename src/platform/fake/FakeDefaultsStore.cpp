#include "platform/fake/FakeDefaultsStore.h"

namespace platform {

std::optional<DefaultsValue> FakeDefaultsStore::object(std::string_view key) const {
    const auto found = values_.find(key);
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void FakeDefaultsStore::setObject(std::string_view key, const DefaultsValue& value) {
    values_.insert_or_assign(std::string(key), value);
    ++writeCount_;
}

void FakeDefaultsStore::setObjects(
    const std::vector<std::pair<std::string, DefaultsValue>>& values) {
    for (const auto& [key, value] : values) {
        values_.insert_or_assign(key, value);
    }
    ++writeCount_;
}

void FakeDefaultsStore::removeObject(std::string_view key) {
    const auto found = values_.find(key);
    if (found != values_.end()) {
        values_.erase(found);
    }
    ++writeCount_;
}

}  // namespace platform
