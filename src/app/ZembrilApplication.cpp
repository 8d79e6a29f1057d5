#include "app/ZembrilApplication.h"

ZembrilApplication::ZembrilApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Zembril"));
    setDesktopFileName(QStringLiteral("zembril"));
    // Closing the last window must not end a program that lives in the tray.
    setQuitOnLastWindowClosed(false);
}
