#include "platform/linux/X11InputAccess.h"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

bool isWaylandSession() {
    const char* sessionType = std::getenv("XDG_SESSION_TYPE");
    const char* waylandDisplay = std::getenv("WAYLAND_DISPLAY");
    return (sessionType != nullptr && std::string_view(sessionType) == "wayland") ||
           (waylandDisplay != nullptr && *waylandDisplay != '\0');
}

}  // namespace

bool X11InputAccess::isTrusted() const {
    return !isWaylandSession() && hasXTest();
}

bool X11InputAccess::mayPostEvents() const {
    Display* display = display_.get();
    return hasXTest() && XKeysymToKeycode(display, XK_Control_L) != 0 &&
           XKeysymToKeycode(display, XK_v) != 0;
}

// X11 has no grant to ask for: XTEST is there for every client or for none, and the help page
// that requestAccess opens afterwards says how to get it.
void X11InputAccess::requestTrust() {}

void X11InputAccess::requestPostEventAccess() {}

bool X11InputAccess::hasXTest() const {
    Display* display = display_.get();
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    return display != nullptr &&
           XTestQueryExtension(display, &eventBase, &errorBase, &major, &minor) == True;
}

}  // namespace platform
