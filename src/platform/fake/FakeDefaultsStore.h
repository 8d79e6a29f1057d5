#pragma once

#include <map>
#include <string>

#include "platform/DefaultsStore.h"

namespace platform {

// Preferences kept in memory, with a count of writes so tests can tell a write happened.
class FakeDefaultsStore final : public DefaultsStore {
public:
    std::optional<DefaultsValue> object(std::string_view key) const override;
    void setObject(std::string_view key, const DefaultsValue& value) override;
    void removeObject(std::string_view key) override;
    void setObjects(const std::vector<std::pair<std::string, DefaultsValue>>& values) override;

    std::size_t writeCount() const { return writeCount_; }
    const std::map<std::string, DefaultsValue, std::less<>>& values() const { return values_; }

private:
    std::map<std::string, DefaultsValue, std::less<>> values_;
    std::size_t writeCount_ = 0;
};

}  // namespace platform
