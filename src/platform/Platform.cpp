#include "platform/Platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {
namespace {

Services installed;

template <class Service>
Service& require(Service* service, const char* name) {
    if (service == nullptr) {
        std::fprintf(stderr, "zembril: the %s service was used before it was installed\n", name);
        std::abort();
    }
    return *service;
}

}  // namespace

Services install(const Services& services) {
    const Services previous = installed;
    installed = services;
    return previous;
}

MainQueue& mainQueue() {
    return require(installed.mainQueue, "main queue");
}

DefaultsStore& defaults() {
    return require(installed.defaults, "defaults");
}

ResourceLocator& resources() {
    return require(installed.resources, "resource");
}

Pasteboard& pasteboard() {
    return require(installed.pasteboard, "pasteboard");
}

Workspace& workspace() {
    return require(installed.workspace, "workspace");
}

KeystrokePoster& keystrokes() {
    return require(installed.keystrokes, "keystroke");
}

InputAccess& inputAccess() {
    return require(installed.inputAccess, "input access");
}

HotkeyService& hotkeys() {
    return require(installed.hotkeys, "hot-key");
}

LoginItem& loginItem() {
    return require(installed.loginItem, "login item");
}

KeyboardLayout& keyboardLayout() {
    return require(installed.keyboardLayout, "keyboard layout");
}

}  // namespace platform
