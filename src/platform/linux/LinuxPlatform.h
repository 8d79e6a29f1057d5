#pragma once

#include "platform/Platform.h"
#include "platform/linux/ExecutableResourceLocator.h"
#include "platform/linux/FileDefaultsStore.h"
#include "platform/linux/QtMainQueue.h"

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
    Services previous_;
};

}  // namespace platform
