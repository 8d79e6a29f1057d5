#include "platform/linux/DisplayAvailability.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <string_view>

namespace platform {
namespace {

bool qtUsesX11() {
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    if (chosen == nullptr || chosen[0] == '\0') {
        return true;
    }
    // A list ("wayland;xcb") is tried in order; a platform's options follow a colon.
    return std::string_view(chosen).starts_with("xcb");
}

}  // namespace

std::optional<std::string> displayProblem() {
    if (!qtUsesX11()) {
        return std::nullopt;
    }
    const char* display = std::getenv("DISPLAY");
    if (display == nullptr || display[0] == '\0') {
        return "no display: DISPLAY is not set, and Zembril needs a graphical X11 session.";
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool reached = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    if (!reached) {
        return "cannot open the X display \"" + std::string(display) + "\".";
    }
    return std::nullopt;
}

}  // namespace platform
