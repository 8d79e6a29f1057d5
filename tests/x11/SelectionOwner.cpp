// Prints the window that owns an X selection, as 0x-prefixed hex, and exits 0; says so and exits
// 1 when the selection has no owner; exits 2 when the display cannot be opened. The tools on hand
// (xprop, xdotool, xclip) cannot ask who owns a selection without converting it, and a tray
// host answers no conversion requests.
#include <X11/Xlib.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s SELECTION\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open display\n", argv[0]);
        return 2;
    }
    const Atom selection = XInternAtom(display, argv[1], False);
    const Window owner = XGetSelectionOwner(display, selection);
    XCloseDisplay(display);
    if (owner == 0) {
        std::fprintf(stderr, "%s has no owner\n", argv[1]);
        return 1;
    }
    std::printf("0x%lx\n", owner);
    return 0;
}
