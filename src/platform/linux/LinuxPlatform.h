#pragma once

#include "platform/Platform.h"
#include "platform/linux/ExecutableResourceLocator.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/QtMainQueue.h"
#include "platform/linux/QtPasteboard.h"
#include "platform/linux/X11HotkeyService.h"
#include "platform/linux/X11InputAccess.h"
#include "platform/linux/X11KeyboardLayout.h"
#include "platform/linux/X11Workspace.h"
#include "platform/linux/XDisplayConnection.h"
#include "platform/linux/XTestKeystrokePoster.h"
#include "platform/linux/XdgAutostartLoginItem.h"

namespace platform {

// The real services of a Linux desktop session, installed for as long as this object lives.
// Make it after the Qt application object, in main.
class LinuxPlatform {
public:
    LinuxPlatform();
    ~LinuxPlatform();
    LinuxPlatform(const LinuxPlatform&) = delete;
    LinuxPlatform& operator=(const LinuxPlatform&) = delete;

private:
    QtMainQueue queue_;
    FileDefaultsStore defaults_;
    ExecutableResourceLocator resources_;
    XDisplayConnection display_;
    QtPasteboard pasteboard_;
    X11Workspace workspace_{display_};
    XTestKeystrokePoster keystrokes_{display_, queue_};
    X11InputAccess inputAccess_{display_};
    X11HotkeyService hotkeys_;
    XdgAutostartLoginItem loginItem_{XdgAutostartLoginItem::defaultEntryPath(),
                                     XdgAutostartLoginItem::runningExecutable()};
    X11KeyboardLayout keyboardLayout_;
    Services previous_;
};

}  // namespace platform
