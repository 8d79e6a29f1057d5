#include "platform/linux/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace platform {
namespace {

std::filesystem::path homeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        return home;
    }
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
        found != nullptr && found->pw_dir != nullptr) {
        return found->pw_dir;
    }
    return {};
}

// The folder an XDG base directory variable names, or `fallback` under the home folder: the
// XDG base directory rules ignore a relative path.
std::filesystem::path baseFolder(const char* variable, const std::filesystem::path& fallback) {
    const char* value = std::getenv(variable);
    return value != nullptr && value[0] == '/' ? std::filesystem::path(value)
                                               : homeFolder() / fallback;
}

}  // namespace

std::filesystem::path userConfigFolder() {
    return baseFolder("XDG_CONFIG_HOME", ".config");
}

std::filesystem::path userStateFolder() {
    return baseFolder("XDG_STATE_HOME", ".local/state");
}

}  // namespace platform
