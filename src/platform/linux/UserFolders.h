#pragma once

#include <filesystem>

namespace platform {

/// The user's configuration folder: $XDG_CONFIG_HOME, or ~/.config when that is not an
/// absolute path.
std::filesystem::path userConfigFolder();

/// The user's folder for state worth keeping between runs, logs for one: $XDG_STATE_HOME, or
/// ~/.local/state when that is not an absolute path.
std::filesystem::path userStateFolder();

}  // namespace platform
