#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/FileDescriptor.h"

namespace platform {

/// Creates `folder` and its missing parents, each with mode 0700; true when `folder` exists.
bool createPrivateFolders(const std::filesystem::path& folder);

// An exclusive advisory lock (flock) on the file at `path`, created when missing, held for
// the object's lifetime.
class ExclusiveFileLock {
public:
    explicit ExclusiveFileLock(const std::filesystem::path& path);

    bool held() const { return held_; }

private:
    FileDescriptor file_;
    bool held_ = false;
};

// New contents for the file at `target`, written with mode 0600 and flushed to a temporary file
// beside it, so that a rename replaces the file in one step. The temporary file is removed again
// unless it replaced the target.
class ReplacementFile {
public:
    ReplacementFile(std::filesystem::path target, std::string_view bytes);
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    ~ReplacementFile();

    /// Whether the contents are written and flushed.
    bool ready() const { return !temporary_.empty(); }
    /// Renames the temporary file over the target and flushes the folder.
    bool commit();

private:
    std::filesystem::path target_;
    std::string temporary_;
};

/// Removes the temporary files of ReplacementFile that writers of `target` left behind when
/// they were killed. Call only while holding the lock that every writer of `target` holds while
/// its temporary file exists.
void removeStaleReplacements(const std::filesystem::path& target);

}  // namespace platform
