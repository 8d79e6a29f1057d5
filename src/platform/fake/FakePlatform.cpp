#include "platform/fake/FakePlatform.h"

namespace platform {

FakePlatform::FakePlatform()
    : previous_(install(Services{.mainQueue = &queue,
                                 .defaults = &defaults,
                                 .resources = &resources,
                                 .pasteboard = &pasteboard,
                                 .workspace = &workspace,
                                 .keystrokes = &keystrokes,
                                 .inputAccess = &inputAccess,
                                 .hotkeys = &hotkeys,
                                 .loginItem = &loginItem,
                                 .keyboardLayout = &keyboardLayout})) {}

FakePlatform::~FakePlatform() {
    install(previous_);
}

}  // namespace platform
