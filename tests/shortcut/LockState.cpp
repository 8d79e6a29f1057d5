// Prints which of Caps Lock and Num Lock are locked on the display's core keyboard, as
// "caps=on num=off", and exits 0; exits 2 when the display cannot be opened.
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <cstdio>

int main(int, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "%s: cannot open display\n", argv[0]);
        return 2;
    }
    XkbStateRec state{};
    XkbGetState(display, XkbUseCoreKbd, &state);
    const unsigned numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
    std::printf("caps=%s num=%s\n", (state.locked_mods & LockMask) != 0 ? "on" : "off",
                numLock != 0 && (state.locked_mods & numLock) == numLock ? "on" : "off");
    XCloseDisplay(display);
    return 0;
}
