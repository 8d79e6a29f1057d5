#pragma once

#include <filesystem>

namespace platform {

/// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config when that is not an
/// absolute path.
std::filesystem::path userConfigFolder();

}  // namespace platform
