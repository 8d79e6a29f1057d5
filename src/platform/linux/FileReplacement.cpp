#include "platform/linux/FileReplacement.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>
#include <utility>

namespace platform {
namespace {

constexpr std::string_view temporarySuffix = ".tmp-";
constexpr std::string_view uniqueTemplate = "XXXXXX";

std::string temporaryPrefix(const std::filesystem::path& target) {
    return target.filename().string() + std::string(temporarySuffix);
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    const auto folder = target.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

bool flushFolder(const std::filesystem::path& folder) {
    const FileDescriptor handle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return handle.valid() && ::fsync(handle.get()) == 0;
}

}  // namespace

bool createPrivateFolders(const std::filesystem::path& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) {
        // The umask may have taken bits away, even the owner's own.
        return ::chmod(folder.c_str(), 0700) == 0;
    }
    if (errno == EEXIST) {
        return true;
    }
    const auto parent = folder.parent_path();
    if (errno != ENOENT || parent.empty() || parent == folder) {
        return false;
    }
    return createPrivateFolders(parent) && createPrivateFolders(folder);
}

// flock needs no write access, so a lock file that the umask left read-only still works.
ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& path)
    : file_(::open(path.c_str(), O_RDONLY | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600)) {
    if (!file_.valid()) {
        return;
    }
    int result = 0;
    do {
        result = ::flock(file_.get(), LOCK_EX);
    } while (result != 0 && errno == EINTR);
    held_ = result == 0;
}

ReplacementFile::ReplacementFile(std::filesystem::path target, std::string_view bytes)
    : target_(std::move(target)) {
    std::string name =
        (folderOf(target_) / temporaryPrefix(target_)).string() + std::string(uniqueTemplate);
    FileDescriptor file(::mkostemp(name.data(), O_CLOEXEC));
    if (!file.valid()) {
        return;
    }
    const bool written =
        ::fchmod(file.get(), 0600) == 0 && writeAll(file.get(), bytes) && ::fsync(file.get()) == 0;
    if (file.close() && written) {
        temporary_ = std::move(name);
    } else {
        ::unlink(name.c_str());
    }
}

ReplacementFile::~ReplacementFile() {
    if (!temporary_.empty()) {
        ::unlink(temporary_.c_str());
    }
}

bool ReplacementFile::commit() {
    if (temporary_.empty() || ::rename(temporary_.c_str(), target_.c_str()) != 0) {
        return false;
    }
    temporary_.clear();
    flushFolder(folderOf(target_));
    return true;
}

void removeStaleReplacements(const std::filesystem::path& target) {
    const auto folder = folderOf(target);
    const std::unique_ptr<DIR, int (*)(DIR*)> listing(::opendir(folder.c_str()), ::closedir);
    if (!listing) {
        return;
    }
    const std::string prefix = temporaryPrefix(target);
    while (const dirent* entry = ::readdir(listing.get())) {
        const std::string_view name(entry->d_name);
        if (name.size() == prefix.size() + uniqueTemplate.size() && name.starts_with(prefix)) {
            ::unlinkat(::dirfd(listing.get()), entry->d_name, 0);
        }
    }
}

}  // namespace platform
