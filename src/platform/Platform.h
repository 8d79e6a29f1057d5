#pragma once

#include "platform/DefaultsStore.h"
#include "platform/HotkeyService.h"
#include "platform/InputAccess.h"
#include "platform/KeyboardLayout.h"
#include "platform/KeystrokePoster.h"
#include "platform/LoginItem.h"
#include "platform/MainQueue.h"
#include "platform/Pasteboard.h"
#include "platform/ResourceLocator.h"
#include "platform/Workspace.h"

namespace platform {

// The platform services the rest of the program reaches, all in one place. `main` installs the
// real ones, a test installs fakes; whoever installs them owns them and keeps them alive.
struct Services {
    MainQueue* mainQueue = nullptr;
    DefaultsStore* defaults = nullptr;
    ResourceLocator* resources = nullptr;
    Pasteboard* pasteboard = nullptr;
    Workspace* workspace = nullptr;
    KeystrokePoster* keystrokes = nullptr;
    InputAccess* inputAccess = nullptr;
    HotkeyService* hotkeys = nullptr;
    LoginItem* loginItem = nullptr;
    KeyboardLayout* keyboardLayout = nullptr;
};

/// Makes `services` the ones the program uses, and returns the ones it used before.
Services install(const Services& services);

// Each accessor ends the program with a message when its service was never installed: code
// that runs without its platform is a programming error, never a state to carry on in.
MainQueue& mainQueue();
DefaultsStore& defaults();
ResourceLocator& resources();
Pasteboard& pasteboard();
Workspace& workspace();
KeystrokePoster& keystrokes();
InputAccess& inputAccess();
HotkeyService& hotkeys();
LoginItem& loginItem();
KeyboardLayout& keyboardLayout();

}  // namespace platform
