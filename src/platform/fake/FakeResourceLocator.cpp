#include "platform/fake/FakeResourceLocator.h"

#include <string>

namespace platform {

std::optional<std::filesystem::path> FakeResourceLocator::pathForResource(
    std::string_view name, std::string_view extension) const {
    if (folder.empty()) {
        return std::nullopt;
    }
    auto path = folder / (std::string(name) + "." + std::string(extension));
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return std::nullopt;
    }
    return path;
}

}  // namespace platform
