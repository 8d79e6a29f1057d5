#pragma once

// Xlib's own name for a display connection; its headers stay out of headers (their macros
// collide with Qt).
struct _XDisplay;

namespace platform {

// A connection of our own to the X server named by DISPLAY, apart from Qt's: the services that
// share it see the keymap and the window properties without going through Qt.
class XDisplayConnection {
public:
    XDisplayConnection();
    ~XDisplayConnection();
    XDisplayConnection(const XDisplayConnection&) = delete;
    XDisplayConnection& operator=(const XDisplayConnection&) = delete;

    /// The connection, or null when no X server could be reached.
    _XDisplay* get() const { return display_; }

private:
    _XDisplay* display_;
};

// Collects the errors of the X requests made while it lives instead of letting Xlib's default
// handler end the program: the windows of other programs can vanish at any moment. Traps do
// not nest.
class XErrorTrap {
public:
    explicit XErrorTrap(_XDisplay* display);
    ~XErrorTrap();
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    /// Waits for the requests made so far and tells whether any of them failed.
    bool failed();

private:
    _XDisplay* display_;
};

}  // namespace platform
