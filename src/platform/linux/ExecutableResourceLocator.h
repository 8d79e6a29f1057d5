#pragma once

#include <filesystem>

#include "platform/ResourceLocator.h"

namespace platform {

// Resources in share/zembril beside the folder of the running executable: <prefix>/bin and
// <prefix>/share/zembril when installed, and the same layout in the build tree.
class ExecutableResourceLocator final : public ResourceLocator {
public:
    ExecutableResourceLocator();
    std::optional<std::filesystem::path> pathForResource(std::string_view name,
                                                         std::string_view extension) const override;

private:
    std::filesystem::path folder_;
};

}  // namespace platform
