#include "platform/linux/FileDefaultsStore.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/linux/FileReplacement.h"
#include "platform/linux/PreferencesJson.h"
#include "platform/linux/UserFolders.h"

namespace platform {
namespace {

// Far beyond what the program stores; a larger file is treated as unreadable.
constexpr off_t maximumFileSize = 16 * 1024 * 1024;

// File timestamps advance in coarse ticks, and a freed inode number is soon given to a new file,
// so two quick writes of the same size can leave identical identities. A file whose timestamp
// is this much older than the moment it was read has no such twin still to come.
constexpr std::time_t settlingSeconds = 2;

bool settled(const FileIdentity& identity) {
    std::timespec now{};
    std::timespec_get(&now, TIME_UTC);
    return now.tv_sec - identity.modifiedSeconds > settlingSeconds;
}

std::filesystem::path withSuffix(const std::filesystem::path& path, std::string_view suffix) {
    auto result = path;
    result += suffix;
    return result;
}

}  // namespace

FileDefaultsStore::FileDefaultsStore(std::filesystem::path path) : path_(std::move(path)) {}

std::filesystem::path FileDefaultsStore::defaultPath() {
    return userConfigFolder() / "zembril" / "preferences.json";
}

std::optional<DefaultsValue> FileDefaultsStore::object(std::string_view key) const {
    try {
        const std::lock_guard lock(cacheMutex_);
        refresh();
        const auto found = cachedValues_.find(key);
        if (found == cachedValues_.end()) {
            return std::nullopt;
        }
        return found->second;
    } catch (...) {
        return std::nullopt;
    }
}

void FileDefaultsStore::setObject(std::string_view key, const DefaultsValue& value) {
    write({{key, &value}});
}

void FileDefaultsStore::removeObject(std::string_view key) {
    if (object(key)) {
        write({{key, nullptr}});
    }
}

void FileDefaultsStore::setObjects(
    const std::vector<std::pair<std::string, DefaultsValue>>& values) {
    std::vector<Change> changes;
    changes.reserve(values.size());
    for (const auto& [key, value] : values) {
        changes.push_back({key, &value});
    }
    write(changes);
}

void FileDefaultsStore::refresh() const {
    const FileRead current = readFile(path_, cachedIdentity_, maximumFileSize);
    if (current.status == FileRead::Status::unchanged) {
        return;
    }
    cachedIdentity_.reset();
    cachedValues_.clear();
    if (current.status != FileRead::Status::read) {
        return;
    }
    if (const auto preferences = parsePreferences(current.bytes)) {
        for (const auto& [key, json] : preferences->items()) {
            cachedValues_.emplace(key, defaultsValue(json));
        }
    }
    if (settled(current.identity)) {
        cachedIdentity_ = current.identity;
    }
}

void FileDefaultsStore::write(const std::vector<Change>& changes) {
    try {
        const auto folder = path_.parent_path();
        if (!folder.empty() && !createPrivateFolders(folder)) {
            return;
        }
        const ExclusiveFileLock lock(withSuffix(path_, ".lock"));
        if (!lock.held()) {
            return;
        }
        const FileRead current = readFile(path_, std::nullopt, maximumFileSize);
        if (current.status == FileRead::Status::failed) {
            return;
        }
        std::optional<nlohmann::json> preferences;
        if (current.status == FileRead::Status::read) {
            preferences = parsePreferences(current.bytes);
        }
        const bool unreadable = current.status != FileRead::Status::missing && !preferences;
        if (!preferences) {
            preferences = nlohmann::json::object();
        }
        bool changed = false;
        for (const auto& [key, value] : changes) {
            if (value != nullptr) {
                (*preferences)[std::string(key)] = jsonValue(*value);
                changed = true;
            } else if (preferences->erase(std::string(key)) > 0) {
                changed = true;
            }
        }
        if (!changed) {
            return;
        }

        removeStaleReplacements(path_);
        ReplacementFile replacement(path_, serializedPreferences(*preferences));
        if (!replacement.ready()) {
            return;
        }
        const auto asidePath = withSuffix(path_, ".corrupt");
        if (unreadable && ::rename(path_.c_str(), asidePath.c_str()) != 0) {
            return;
        }
        replacement.commit();
    } catch (...) {
        // Failures are silent: the file keeps its previous contents.
    }
}

}  // namespace platform
