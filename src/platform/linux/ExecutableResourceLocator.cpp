#include "platform/linux/ExecutableResourceLocator.h"

#include <string>
#include <system_error>

namespace platform {

ExecutableResourceLocator::ExecutableResourceLocator() {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        folder_ = executable.parent_path().parent_path() / "share" / "zembril";
    }
}

std::optional<std::filesystem::path> ExecutableResourceLocator::pathForResource(
    std::string_view name, std::string_view extension) const {
    if (folder_.empty()) {
        return std::nullopt;
    }
    auto path = folder_ / (std::string(name) + "." + std::string(extension));
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace platform
