#pragma once

#include <filesystem>

#include "platform/LoginItem.h"

namespace platform {

// Starting at login through the desktop's autostart folder: the program starts at login while
// its desktop entry there exists and is not hidden (Hidden=true, the way a user switches an
// entry off in the desktop's settings).
class XdgAutostartLoginItem final : public LoginItem {
public:
    /// The entry at `entryPath`, starting `executable`; an empty `executable` means the
    /// program's own could not be found.
    XdgAutostartLoginItem(std::filesystem::path entryPath, std::filesystem::path executable);

    /// $XDG_CONFIG_HOME/autostart/zembril.desktop, under ~/.config when that is not absolute.
    static std::filesystem::path defaultEntryPath();
    /// The file this process runs, with every link resolved; empty when it cannot be read.
    static std::filesystem::path runningExecutable();

    LoginItemStatus status() const override;
    void registerItem() override;
    void unregisterItem() override;

private:
    std::filesystem::path entryPath_;
    std::filesystem::path executable_;
};

}  // namespace platform
