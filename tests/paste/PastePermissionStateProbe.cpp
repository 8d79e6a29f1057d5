// Prints the paste permission state that the real services give on this display and session.

#include <QCoreApplication>
#include <cstdio>

#include "paste/PastePermission.h"
#include "platform/linux/LinuxPlatform.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    platform::LinuxPlatform services;
    switch (PastePermission::current()) {
        case PastePermission::State::granted:
            std::puts("granted");
            break;
        case PastePermission::State::needsAccessibility:
            std::puts("needsAccessibility");
            break;
        case PastePermission::State::needsRestart:
            std::puts("needsRestart");
            break;
    }
    return 0;
}
