// Zembril: the tray utility. One instance runs per desktop session; a second start opens the
// picker of the running one and ends.
#include <QIcon>
#include <QWindow>
#include <chrono>
#include <cstdio>

#include "app/AppDelegate.h"
#include "app/ZembrilApplication.h"
#include "picker/PickerPanel.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"
#include "platform/ResourceLocator.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/SingleInstance.h"
#include "prefs/StoredPreferences.h"

namespace {

using namespace std::chrono_literals;

// How long a start that follows a restart waits for the instance it replaces to end.
constexpr auto previousInstanceTimeout = 10s;

// A tray utility has no console of its own; what Qt and the desktop libraries say about a
// missing tray or an unknown font setting would only clutter the terminal it started from.
void discardMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) {
        std::fputs(qPrintable(message + QLatin1Char('\n')), stderr);
    }
}

void setApplicationIcon() {
    if (const auto path = platform::resources().pathForResource("icons/zembril", "svg")) {
        QApplication::setWindowIcon(QIcon(QString::fromStdString(path->string())));
    }
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(discardMessage);
    ZembrilApplication app(argc, argv);
    platform::LinuxPlatform platform;

    platform::SingleInstance instance;
    // A restart leaves its resume flag for the new instance, which must then wait for the old
    // one to finish ending instead of handing over to it.
    if (!instance.claim(prefs::hasResumePastePermissionSetup(), previousInstanceTimeout)) {
        return 0;
    }
    setApplicationIcon();

    AppDelegate delegate;
    instance.onOpenRequest = [&delegate] { delegate.openPicker(); };
    app.isPicker = [&delegate](const QObject* object) {
        const PickerPanel* panel = delegate.panel();
        return panel != nullptr && (object == panel || object == panel->windowHandle());
    };
    platform::mainQueue().async([&delegate] { delegate.applicationDidFinishLaunching(); });
    return ZembrilApplication::exec();
}
