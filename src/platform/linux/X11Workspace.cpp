#include "platform/linux/X11Workspace.h"

// Qt before Xlib, whose macros (None, Bool, Status) break Qt's headers.
#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <system_error>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace platform {
namespace {

// The EWMH source indication of a pager or task bar: the user asked for the window directly,
// so the window manager activates it without its focus-stealing checks.
constexpr long sourcePager = 2;

Atom atom(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

// The first 32-bit value of a window property of the given type, when it has one.
std::optional<unsigned long> cardinalProperty(Display* display, Window window, const char* name,
                                              Atom type) {
    Atom actualType = 0;
    int actualFormat = 0;
    unsigned long count = 0;
    unsigned long bytesAfter = 0;
    unsigned char* data = nullptr;
    std::optional<unsigned long> value;
    const XErrorTrap trap(display);
    if (XGetWindowProperty(display, window, atom(display, name), 0, 1, False, type, &actualType,
                           &actualFormat, &count, &bytesAfter, &data) == Success &&
        data != nullptr) {
        if (actualType == type && actualFormat == 32 && count == 1) {
            // Xlib hands 32-bit properties over as longs.
            value = *reinterpret_cast<unsigned long*>(data);
        }
        XFree(data);
    }
    return value;
}

TargetWindow describeWindow(Display* display, Window window) {
    TargetWindow target{
        .windowId = window, .pid = std::nullopt, .windowClass = {}, .instanceName = {}};
    if (const auto pid = cardinalProperty(display, window, "_NET_WM_PID", XA_CARDINAL)) {
        target.pid = static_cast<std::int64_t>(*pid);
    }
    XClassHint hint{nullptr, nullptr};
    const XErrorTrap trap(display);
    if (XGetClassHint(display, window, &hint) != 0) {
        if (hint.res_name != nullptr) {
            target.instanceName = hint.res_name;
            XFree(hint.res_name);
        }
        if (hint.res_class != nullptr) {
            target.windowClass = hint.res_class;
            XFree(hint.res_class);
        }
    }
    return target;
}

}  // namespace

X11Workspace::~X11Workspace() {
    if (clockWindow_ != 0) {
        XDestroyWindow(display_.get(), clockWindow_);
    }
}

std::optional<TargetWindow> X11Workspace::frontmostWindow() const {
    Display* display = display_.get();
    if (display == nullptr) {
        return std::nullopt;
    }
    if (hasEwmhWindowManager()) {
        const auto active =
            cardinalProperty(display, DefaultRootWindow(display), "_NET_ACTIVE_WINDOW", XA_WINDOW);
        if (!active || *active == 0) {
            return std::nullopt;
        }
        return describeWindow(display, *active);
    }
    Window focus = 0;
    int revertTo = 0;
    XGetInputFocus(display, &focus, &revertTo);
    if (focus == None || focus == PointerRoot) {
        return std::nullopt;
    }
    return describeWindow(display, focus);
}

void X11Workspace::activate(const TargetWindow& window) {
    Display* display = display_.get();
    if (display == nullptr) {
        return;
    }
    const Window root = DefaultRootWindow(display);
    if (hasEwmhWindowManager()) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window.windowId;
        event.xclient.message_type = atom(display, "_NET_ACTIVE_WINDOW");
        event.xclient.format = 32;
        event.xclient.data.l[0] = sourcePager;
        event.xclient.data.l[1] = static_cast<long>(serverTime());
        XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XFlush(display);
        return;
    }
    // Without a window manager nobody else decides focus: take it straight.
    const XErrorTrap trap(display);
    XRaiseWindow(display, window.windowId);
    XSetInputFocus(display, window.windowId, RevertToParent, serverTime());
}

void X11Workspace::openLink(const std::string& url) {
    QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

void X11Workspace::launchNewInstance(std::function<void()> completion) {
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        QProcess::startDetached(QString::fromStdString(executable.string()), {});
    }
    if (completion) {
        completion();
    }
}

void X11Workspace::terminate() {
    QCoreApplication::quit();
}

bool X11Workspace::hasEwmhWindowManager() const {
    // A running EWMH manager names on the root a window of its own that names itself back; a
    // stale name left by a manager that is gone does not.
    Display* display = display_.get();
    const auto check = cardinalProperty(display, DefaultRootWindow(display),
                                        "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return check && *check != 0 &&
           cardinalProperty(display, *check, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) == check;
}

unsigned long X11Workspace::serverTime() {
    // X has no request for the time: a property change reports it in its event.
    Display* display = display_.get();
    if (clockWindow_ == 0) {
        XSetWindowAttributes attributes{};
        attributes.event_mask = PropertyChangeMask;
        clockWindow_ = XCreateWindow(display, DefaultRootWindow(display), -1, -1, 1, 1, 0, 0,
                                     InputOnly, CopyFromParent, CWEventMask, &attributes);
    }
    const Atom property = atom(display, "_ZEMBRIL_SERVER_TIME");
    XChangeProperty(display, clockWindow_, property, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent event;
    XWindowEvent(display, clockWindow_, PropertyChangeMask, &event);
    return event.xproperty.time;
}

}  // namespace platform
