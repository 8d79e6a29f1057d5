#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <string_view>

#include "platform/FileDescriptor.h"

namespace platform {

// A log file that never grows past its capacity: when the next line would not fit, the file
// becomes `<name>.1`, replacing the one kept before, and a new one begins. So a user who attaches
// both to a bug report sends at most twice the capacity. The folder is made on the first line;
// nothing is written when it cannot be. Lines may come from any thread.
class RotatingLog {
public:
    RotatingLog(std::filesystem::path file, std::uintmax_t capacity);
    RotatingLog(const RotatingLog&) = delete;
    RotatingLog& operator=(const RotatingLog&) = delete;

    /// Appends `line` and a newline, cut to the capacity when longer.
    void append(std::string_view line);

    /// The kept file that the current one replaces on rotation.
    std::filesystem::path previousFile() const;

private:
    bool open();
    void rotate();

    const std::filesystem::path file_;
    const std::uintmax_t capacity_;
    std::mutex mutex_;
    std::optional<FileDescriptor> descriptor_;
    std::uintmax_t size_ = 0;
    bool unwritable_ = false;
};

}  // namespace platform
