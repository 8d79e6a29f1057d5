#pragma once

#include <filesystem>

#include "platform/ResourceLocator.h"

namespace platform {

// Resources looked up in one folder that the test chooses; an empty folder means none exist.
class FakeResourceLocator final : public ResourceLocator {
public:
    std::optional<std::filesystem::path> pathForResource(std::string_view name,
                                                         std::string_view extension) const override;

    std::filesystem::path folder;
};

}  // namespace platform
