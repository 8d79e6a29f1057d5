#include "platform/linux/InstancePaths.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

// Socket paths are limited to 108 bytes; a long host name must not push ours past that.
constexpr std::size_t maximumTagLength = 64;

bool isSafeCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-' || c == '_';
}

bool isUsableRuntimeFolder(const char* folder) {
    struct stat status {};
    return folder != nullptr && folder[0] == '/' && ::stat(folder, &status) == 0 &&
           S_ISDIR(status.st_mode) && ::access(folder, W_OK | X_OK) == 0;
}

}  // namespace

std::string displayTag(const char* display) {
    if (display == nullptr || display[0] == '\0') {
        return "none";
    }
    std::string_view name = display;
    // ":0" and ":0.1" are two screens of one display, and one display has one instance.
    const auto colon = name.rfind(':');
    if (colon != std::string_view::npos) {
        const auto dot = name.find('.', colon);
        if (dot != std::string_view::npos) {
            name = name.substr(0, dot);
        }
    }
    if (name.starts_with(':')) {
        name.remove_prefix(1);
    }
    std::string tag;
    for (const char c : name.substr(0, maximumTagLength)) {
        tag += isSafeCharacter(c) ? c : '_';
    }
    return tag.empty() ? "none" : tag;
}

std::optional<std::filesystem::path> instanceFolder(const char* runtimeFolder,
                                                    const std::filesystem::path& temporaryRoot) {
    if (isUsableRuntimeFolder(runtimeFolder)) {
        return std::filesystem::path(runtimeFolder);
    }
    const uid_t user = ::getuid();
    auto folder = temporaryRoot / ("zembril-" + std::to_string(user));
    ::mkdir(folder.c_str(), 0700);
    // The temporary root is shared with every user: a folder someone else made, or a link
    // planted there, must not be where our socket goes.
    struct stat status {};
    if (::lstat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode) ||
        status.st_uid != user) {
        return std::nullopt;
    }
    if ((status.st_mode & 0077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        return std::nullopt;
    }
    return folder;
}

InstancePaths instancePaths(const std::filesystem::path& folder, const char* display) {
    const std::string stem = "zembril-" + displayTag(display);
    return {.lockFile = folder / (stem + ".lock"), .socket = folder / (stem + ".socket")};
}

std::optional<InstancePaths> sessionInstancePaths() {
    const auto folder = instanceFolder(std::getenv("XDG_RUNTIME_DIR"), "/tmp");
    if (!folder) {
        return std::nullopt;
    }
    return instancePaths(*folder, std::getenv("DISPLAY"));
}

}  // namespace platform
