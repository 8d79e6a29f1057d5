#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// Where the running instance of a session keeps its lock file and the socket that later
// starts talk to.
struct InstancePaths {
    std::filesystem::path lockFile;
    std::filesystem::path socket;
};

/// The X display named by `display` as a piece of a file name: its screen number and a leading
/// colon dropped, any character but letters, digits, '.', '-' and '_' replaced by '_', at most
/// 64 characters; "none" when there is no display. So ":0" and ":0.1" are both "0".
std::string displayTag(const char* display);

/// A folder only this user may use: `runtimeFolder` when it is an absolute path to a folder this
/// process can write in, otherwise `temporaryRoot`/zembril-<uid>, made with mode 0700 when
/// missing; nothing when that one is not a real folder owned by this user.
std::optional<std::filesystem::path> instanceFolder(const char* runtimeFolder,
                                                    const std::filesystem::path& temporaryRoot);

/// The paths of the instance of `display` in `folder`.
InstancePaths instancePaths(const std::filesystem::path& folder, const char* display);

/// The paths of the instance for $DISPLAY, in $XDG_RUNTIME_DIR or else under /tmp; nothing
/// when neither folder can be used.
std::optional<InstancePaths> sessionInstancePaths();

}  // namespace platform
