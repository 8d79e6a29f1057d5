#pragma once

#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/DefaultsStore.h"
#include "platform/FileReading.h"

namespace platform {

// Preferences in one JSON object file, shared safely with other instances of the program:
// every read sees the file as it is now, and every write replaces it whole under a lock.
class FileDefaultsStore final : public DefaultsStore {
public:
    explicit FileDefaultsStore(std::filesystem::path path);

    /// $XDG_CONFIG_HOME/zembril/preferences.json, or under ~/.config when that is not an
    /// absolute path.
    static std::filesystem::path defaultPath();

    std::optional<DefaultsValue> object(std::string_view key) const override;
    void setObject(std::string_view key, const DefaultsValue& value) override;
    void removeObject(std::string_view key) override;
    void setObjects(const std::vector<std::pair<std::string, DefaultsValue>>& values) override;

private:
    /// Brings the cache up to date with the file.
    void refresh() const;
    /// A key to store a value under, or to remove when it has none.
    struct Change {
        std::string_view key;
        const DefaultsValue* value;
    };
    /// Applies every change in one replacement of the file, under its lock.
    void write(const std::vector<Change>& changes);

    std::filesystem::path path_;
    // The last file read, so that an unchanged file is not parsed again.
    mutable std::mutex cacheMutex_;
    mutable std::optional<FileIdentity> cachedIdentity_;
    mutable std::map<std::string, DefaultsValue, std::less<>> cachedValues_;
};

}  // namespace platform
