#include "platform/linux/XDisplayConnection.h"

#include <X11/Xlib.h>

namespace platform {
namespace {

// Xlib's handler is process-wide and gets no context, so the trap keeps its state here;
// everything that makes X requests runs on the main thread.
int trappedErrors = 0;
XErrorHandler previousHandler = nullptr;

int countError(Display*, XErrorEvent*) {
    ++trappedErrors;
    return 0;
}

}  // namespace

XDisplayConnection::XDisplayConnection() : display_(XOpenDisplay(nullptr)) {}

XDisplayConnection::~XDisplayConnection() {
    if (display_ != nullptr) {
        XCloseDisplay(display_);
    }
}

XErrorTrap::XErrorTrap(Display* display) : display_(display) {
    XSync(display_, False);
    trappedErrors = 0;
    previousHandler = XSetErrorHandler(countError);
}

XErrorTrap::~XErrorTrap() {
    XSync(display_, False);
    XSetErrorHandler(previousHandler);
}

bool XErrorTrap::failed() {
    XSync(display_, False);
    return trappedErrors != 0;
}

}  // namespace platform
