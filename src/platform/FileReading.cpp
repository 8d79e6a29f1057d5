#include "platform/FileReading.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/FileDescriptor.h"

namespace platform {
namespace {

FileIdentity identityOf(const struct stat& info) {
    return FileIdentity{info.st_dev, info.st_ino, info.st_size, info.st_mtim.tv_sec,
                        info.st_mtim.tv_nsec};
}

bool readAll(int fd, off_t maximumSize, std::string& bytes) {
    char buffer[16384];
    for (;;) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (count == 0) {
            return true;
        }
        bytes.append(buffer, static_cast<std::size_t>(count));
        if (bytes.size() > static_cast<std::size_t>(maximumSize)) {
            return false;
        }
    }
}

}  // namespace

FileRead readFile(const std::filesystem::path& path, const std::optional<FileIdentity>& known,
                  off_t maximumSize) {
    FileRead result;
    // O_NONBLOCK keeps a FIFO put in the file's place from blocking the open.
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!file.valid()) {
        result.status = errno == ENOENT ? FileRead::Status::missing : FileRead::Status::failed;
        return result;
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return result;
    }
    result.identity = identityOf(info);
    if (known && *known == result.identity) {
        result.status = FileRead::Status::unchanged;
    } else if (info.st_size > maximumSize) {
        result.status = FileRead::Status::tooLarge;
    } else if (readAll(file.get(), maximumSize, result.bytes)) {
        result.status = FileRead::Status::read;
    } else {
        result.bytes.clear();
    }
    return result;
}

}  // namespace platform
