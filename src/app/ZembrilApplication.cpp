#include "app/ZembrilApplication.h"

#include "app/TimingLog.h"

ZembrilApplication::ZembrilApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Zembril"));
    setDesktopFileName(QStringLiteral("zembril"));
    // Closing the last window must not end a program that lives in the tray.
    setQuitOnLastWindowClosed(false);
}

bool ZembrilApplication::notify(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    const bool handled = QApplication::notify(receiver, event);
    // Both paint and put the frame on the screen before they return: Expose for the first
    // frame after showing, UpdateRequest for later ones.
    if ((type == QEvent::Expose || type == QEvent::UpdateRequest) && timing::enabled() &&
        isPicker && isPicker(receiver)) {
        timing::mark("picker-painted");
    }
    return handled;
}
