#include "platform/linux/LinuxPlatform.h"

namespace platform {

LinuxPlatform::LinuxPlatform()
    : defaults_(FileDefaultsStore::defaultPath()),
      previous_(install(Services{.mainQueue = &queue_,
                                 .defaults = &defaults_,
                                 .resources = &resources_,
                                 .pasteboard = &pasteboard_,
                                 .workspace = &workspace_,
                                 .keystrokes = &keystrokes_,
                                 .inputAccess = &inputAccess_,
                                 .hotkeys = &hotkeys_,
                                 .loginItem = &loginItem_,
                                 .keyboardLayout = &keyboardLayout_})) {}

LinuxPlatform::~LinuxPlatform() {
    install(previous_);
}

}  // namespace platform
