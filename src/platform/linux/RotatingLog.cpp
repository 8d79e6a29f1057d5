#include "platform/linux/RotatingLog.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <string>
#include <system_error>
#include <utility>

namespace platform {

RotatingLog::RotatingLog(std::filesystem::path file, std::uintmax_t capacity)
    : file_(std::move(file)), capacity_(capacity) {}

std::filesystem::path RotatingLog::previousFile() const {
    return std::filesystem::path(file_.string() + ".1");
}

void RotatingLog::append(std::string_view line) {
    const std::lock_guard lock(mutex_);
    if (unwritable_ || (!descriptor_ && !open())) {
        return;
    }
    std::string text(line.substr(0, capacity_ > 0 ? capacity_ - 1 : 0));
    text += '\n';
    if (size_ > 0 && size_ + text.size() > capacity_) {
        rotate();
        if (!descriptor_) {
            return;
        }
    }
    if (writeAll(descriptor_->get(), text)) {
        size_ += text.size();
    }
}

bool RotatingLog::open() {
    std::error_code error;
    std::filesystem::create_directories(file_.parent_path(), error);
    // The log may name files and windows of the user's: only the user reads it.
    descriptor_.emplace(
        ::open(file_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    struct stat status {};
    if (!descriptor_->valid() || ::fstat(descriptor_->get(), &status) != 0) {
        descriptor_.reset();
        unwritable_ = true;
        return false;
    }
    size_ = static_cast<std::uintmax_t>(status.st_size);
    return true;
}

void RotatingLog::rotate() {
    descriptor_.reset();
    std::error_code error;
    std::filesystem::rename(file_, previousFile(), error);
    if (error) {
        // Without a way to set the old lines aside, starting over keeps the file in its bounds.
        std::filesystem::resize_file(file_, 0, error);
    }
    open();
}

}  // namespace platform
