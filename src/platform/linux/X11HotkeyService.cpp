#include "platform/linux/X11HotkeyService.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <utility>

#include "platform/KeyCodeTable.h"

// Xlib after Qt: its macros (None, KeyPress, Bool, ...) would break Qt's headers.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>
#include <xcb/xcb.h>

namespace platform {
namespace {

// Modifiers by key position: Ctrl, Alt (Mod1) and Super (Mod4) as on every common X keymap.
constexpr std::pair<std::uint32_t, std::uint16_t> modifierMasks[] = {
    {carbonModifier::control, XCB_MOD_MASK_CONTROL},
    {carbonModifier::option, XCB_MOD_MASK_1},
    {carbonModifier::shift, XCB_MOD_MASK_SHIFT},
    {carbonModifier::command, XCB_MOD_MASK_4},
};
constexpr std::uint16_t shortcutModifiers =
    XCB_MOD_MASK_CONTROL | XCB_MOD_MASK_1 | XCB_MOD_MASK_SHIFT | XCB_MOD_MASK_4;

std::uint16_t xModifiersOf(std::uint32_t carbonModifiers) {
    std::uint16_t mask = 0;
    for (const auto& [carbonBit, xMask] : modifierMasks) {
        if ((carbonModifiers & carbonBit) != 0) {
            mask |= xMask;
        }
    }
    return mask;
}

struct XConnection {
    Display* display;
    xcb_connection_t* connection;
    xcb_window_t root;
};

std::optional<XConnection> qtConnection() {
    const auto* x11 = qGuiApp == nullptr
                          ? nullptr
                          : qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr || x11->display() == nullptr || x11->connection() == nullptr) {
        return std::nullopt;
    }
    return XConnection{x11->display(), x11->connection(),
                       static_cast<xcb_window_t>(XDefaultRootWindow(x11->display()))};
}

// A grab holds for the exact modifier state, so Caps Lock or Num Lock being on would stop the
// shortcut: it is grabbed once for each combination of the two.
std::array<std::uint16_t, 4> lockVariants(std::uint16_t modifiers, std::uint16_t numLock) {
    return {modifiers, static_cast<std::uint16_t>(modifiers | XCB_MOD_MASK_LOCK),
            static_cast<std::uint16_t>(modifiers | numLock),
            static_cast<std::uint16_t>(modifiers | XCB_MOD_MASK_LOCK | numLock)};
}

void ungrab(const XConnection& x, std::uint8_t xKeyCode, std::uint16_t modifiers,
            std::uint16_t numLock) {
    for (const std::uint16_t variant : lockVariants(modifiers, numLock)) {
        xcb_ungrab_key(x.connection, xKeyCode, x.root, variant);
    }
    xcb_flush(x.connection);
}

// Checked requests return their errors here instead of to Qt, which would print them.
int grab(const XConnection& x, std::uint8_t xKeyCode, std::uint16_t modifiers,
         std::uint16_t numLock) {
    std::array<xcb_void_cookie_t, 4> cookies{};
    const auto variants = lockVariants(modifiers, numLock);
    for (std::size_t i = 0; i < variants.size(); ++i) {
        // Not owner events: a press goes to the root window even when one of our own windows
        // has the keyboard, so the shortcut works the same over the picker.
        cookies[i] = xcb_grab_key_checked(x.connection, 0, x.root, variants[i], xKeyCode,
                                          XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC);
    }
    int status = 0;
    for (const xcb_void_cookie_t cookie : cookies) {
        if (xcb_generic_error_t* error = xcb_request_check(x.connection, cookie)) {
            status = status != 0 ? status : error->error_code;
            std::free(error);
        }
    }
    if (status != 0) {
        ungrab(x, xKeyCode, modifiers, numLock);
    }
    return status;
}

}  // namespace

X11HotkeyService::~X11HotkeyService() {
    if (const auto x = qtConnection()) {
        for (const Registration& registration : registrations_) {
            ungrab(*x, registration.xKeyCode, registration.modifiers, registration.numLock);
        }
    }
    if (handler_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
}

bool X11HotkeyService::hasPressHandler() const {
    return static_cast<bool>(handler_);
}

void X11HotkeyService::installPressHandler(PressHandler handler) {
    if (!handler_ && QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    handler_ = std::move(handler);
}

int X11HotkeyService::registerHotkey(std::uint32_t keyCode, std::uint32_t carbonModifiers,
                                     std::uint32_t id) {
    const auto x = qtConnection();
    const auto xKeyCode = xKeyOfKeyCode(keyCode);
    if (!x || !xKeyCode) {
        return XCB_VALUE;
    }
    const xcb_setup_t* setup = xcb_get_setup(x->connection);
    if (*xKeyCode < setup->min_keycode || *xKeyCode > setup->max_keycode) {
        return XCB_VALUE;
    }
    const std::uint16_t modifiers = xModifiersOf(carbonModifiers);
    if (!isGrabbed(*xKeyCode, modifiers)) {
        const auto numLock =
            static_cast<std::uint16_t>(XkbKeysymToModifiers(x->display, XK_Num_Lock));
        if (const int status = grab(*x, *xKeyCode, modifiers, numLock); status != 0) {
            return status;
        }
        registrations_.push_back({id, *xKeyCode, modifiers, numLock});
        return 0;
    }
    const auto same = std::find_if(registrations_.begin(), registrations_.end(), [&](auto r) {
        return r.xKeyCode == *xKeyCode && r.modifiers == modifiers;
    });
    registrations_.push_back({id, *xKeyCode, modifiers, same->numLock});
    return 0;
}

void X11HotkeyService::unregisterHotkey(std::uint32_t id) {
    const auto found = std::find_if(registrations_.begin(), registrations_.end(),
                                    [id](auto r) { return r.id == id; });
    if (found == registrations_.end()) {
        return;
    }
    const Registration ended = *found;
    registrations_.erase(found);
    if (isGrabbed(ended.xKeyCode, ended.modifiers)) {
        return;
    }
    if (const auto x = qtConnection()) {
        ungrab(*x, ended.xKeyCode, ended.modifiers, ended.numLock);
    }
}

bool X11HotkeyService::isGrabbed(std::uint8_t xKeyCode, std::uint16_t modifiers) const {
    return std::any_of(registrations_.begin(), registrations_.end(),
                       [&](auto r) { return r.xKeyCode == xKeyCode && r.modifiers == modifiers; });
}

bool X11HotkeyService::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & 0x7F;
    if (type == XCB_KEY_RELEASE) {
        const auto* release = static_cast<const xcb_key_release_event_t*>(message);
        if (release->detail == heldKey_) {
            heldKey_ = 0;
            releasedKey_ = release->detail;
            releaseTime_ = release->time;
        }
        return false;
    }
    if (type != XCB_KEY_PRESS) {
        return false;
    }
    const auto* press = static_cast<const xcb_key_press_event_t*>(message);
    const auto modifiers = static_cast<std::uint16_t>(press->state & shortcutModifiers);
    const auto newest = std::find_if(registrations_.rbegin(), registrations_.rend(), [&](auto r) {
        return r.xKeyCode == press->detail && r.modifiers == modifiers;
    });
    if (newest == registrations_.rend()) {
        return false;
    }
    const bool repeated =
        press->detail == heldKey_ || (press->detail == releasedKey_ && press->time == releaseTime_);
    heldKey_ = press->detail;
    if (repeated) {
        return true;
    }
    return handler_ ? handler_(newest->id) : false;
}

}  // namespace platform
