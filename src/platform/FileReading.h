#pragma once

#include <sys/types.h>

#include <ctime>
#include <filesystem>
#include <optional>
#include <string>

namespace platform {

// What tells two versions of a file apart without reading them.
struct FileIdentity {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    std::time_t modifiedSeconds = 0;
    long modifiedNanoseconds = 0;

    bool operator==(const FileIdentity&) const = default;
};

struct FileRead {
    enum class Status { missing, unchanged, read, tooLarge, failed };

    Status status = Status::failed;
    /// Set for unchanged, read and tooLarge.
    FileIdentity identity;
    /// The whole file, for read.
    std::string bytes;
};

/// Reads the regular file at `path` whole, unless its identity equals `known` (unchanged) or
/// it is larger than `maximumSize` (tooLarge). Never blocks on a FIFO.
FileRead readFile(const std::filesystem::path& path, const std::optional<FileIdentity>& known,
                  off_t maximumSize);

}  // namespace platform
