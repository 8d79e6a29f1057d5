#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace platform {

// Finds the files that ship with the program.
class ResourceLocator {
public:
    ResourceLocator() = default;
    ResourceLocator(const ResourceLocator&) = delete;
    ResourceLocator& operator=(const ResourceLocator&) = delete;
    virtual ~ResourceLocator() = default;

    /// The path of the resource `name`.`extension`, or nothing when the program has none.
    virtual std::optional<std::filesystem::path> pathForResource(
        std::string_view name, std::string_view extension) const = 0;
};

}  // namespace platform
