// Zembril: the tray utility. One instance runs per desktop session; a later start passes on
// what it was asked to do (open the picker, toggle it, open the settings, quit) and ends.
#include <QCoreApplication>
#include <QIcon>
#include <QStringList>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <string>

#include "Version.h"
#include "app/AppDelegate.h"
#include "app/CommandLine.h"
#include "app/MessageLog.h"
#include "app/PickerPaintTiming.h"
#include "app/TimingLog.h"
#include "app/ZembrilApplication.h"
#include "picker/PickerPanel.h"
#include "platform/MainQueue.h"
#include "platform/Platform.h"
#include "platform/ResourceLocator.h"
#include "platform/Workspace.h"
#include "platform/linux/DisplayAvailability.h"
#include "platform/linux/LinuxPlatform.h"
#include "platform/linux/SingleInstance.h"
#include "prefs/StoredPreferences.h"

namespace {

using namespace std::chrono_literals;
using Request = platform::SingleInstance::Request;
using Outcome = platform::SingleInstance::Outcome;

// How long a start that follows a restart waits for the instance it replaces to end.
constexpr auto previousInstanceTimeout = 10s;

// Exit statuses: a failure the user can act on, and arguments that could not be understood.
constexpr int failureStatus = 1;
constexpr int usageStatus = 2;

QStringList argumentsFrom(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    return arguments;
}

int fail(const std::string& message) {
    std::fprintf(stderr, "zembril: %s\n", message.c_str());
    return failureStatus;
}

Request requestFor(CommandLine::Action action) {
    switch (action) {
        case CommandLine::Action::toggle:
            return Request::toggle;
        case CommandLine::Action::settings:
            return Request::settings;
        case CommandLine::Action::quit:
            return Request::quit;
        case CommandLine::Action::start:
        case CommandLine::Action::help:
        case CommandLine::Action::version:
            break;
    }
    return Request::open;
}

// Quitting never starts an instance, so it needs no display and no window system.
int quitRunningInstance(int argc, char** argv) {
    const QCoreApplication app(argc, argv);
    switch (platform::SingleInstance().deliver(Request::quit)) {
        case Outcome::delivered:
            return 0;
        case Outcome::notRunning:
            return fail("Zembril is not running.");
        case Outcome::claimed:
        case Outcome::noAnswer:
            break;
    }
    return fail("the running Zembril did not answer.");
}

void setApplicationIcon() {
    if (const auto path = platform::resources().pathForResource("icons/zembril", "svg")) {
        QApplication::setWindowIcon(QIcon(QString::fromStdString(path->string())));
    }
}

void carryOut(AppDelegate& delegate, Request request) {
    switch (request) {
        case Request::open:
            delegate.openPicker();
            break;
        case Request::toggle:
            delegate.toggle();
            break;
        case Request::settings:
            delegate.openSettings();
            break;
        case Request::quit:
            platform::workspace().terminate();
            break;
    }
}

int runTrayUtility(int argc, char** argv, Request request) {
    if (const auto problem = platform::displayProblem()) {
        return fail(*problem);
    }
    ZembrilApplication app(argc, argv);
    platform::LinuxPlatform platform;

    platform::SingleInstance instance;
    // A restart leaves its resume flag for the new instance, which must then wait for the old
    // one to finish ending instead of handing over to it.
    switch (
        instance.claim(request, prefs::hasResumePastePermissionSetup(), previousInstanceTimeout)) {
        case Outcome::claimed:
            break;
        case Outcome::delivered:
        case Outcome::notRunning:
            return 0;
        case Outcome::noAnswer:
            return fail("another Zembril is running but did not answer.");
    }
    setApplicationIcon();

    AppDelegate delegate;
    instance.onRequest = [&delegate](Request later) { carryOut(delegate, later); };
    PickerPaintTiming paintTiming([&delegate](const QObject* object) {
        const PickerPanel* panel = delegate.panel();
        return panel != nullptr && (object == panel || object == panel->windowHandle());
    });
    if (timing::enabled()) {
        app.installEventFilter(&paintTiming);
    }
    platform::mainQueue().async([&delegate, request] {
        delegate.finishLaunching();
        // A plain start opens nothing; a first run shows its welcome window, which opens the
        // picker itself once a shortcut is chosen.
        if (request != Request::open && delegate.welcomeWindow() == nullptr) {
            carryOut(delegate, request);
        }
    });
    return ZembrilApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    const CommandLine command = parseCommandLine(argumentsFrom(argc, argv));
    if (!command.error.empty()) {
        std::fprintf(stderr, "zembril: %s\nTry 'zembril --help' for more information.\n",
                     command.error.c_str());
        return usageStatus;
    }
    if (command.action == CommandLine::Action::help) {
        std::fputs(commandLineHelp().c_str(), stdout);
        return 0;
    }
    if (command.action == CommandLine::Action::version) {
        std::printf("zembril %s\n", zembrilVersion);
        return 0;
    }
    message_log::install(message_log::defaultFile(), message_log::defaultCapacity, command.verbose);
    if (command.action == CommandLine::Action::quit) {
        return quitRunningInstance(argc, argv);
    }
    return runTrayUtility(argc, argv, requestFor(command.action));
}
