// Runs the tray item or a notice with the real services and prints what happens, one line at a
// time, for the x11 tests to follow.
//
//   status_item_driver tray [DISPLAY_STRING]   the tray item; prints "ready", "menu opening"
//                                              and each callback, and quits from its menu
//   status_item_driver notice SECONDS          a notice with an action; prints "shown" and
//                                              "clicked", and quits when the notice is gone

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "menubar/NoticePanel.h"
#include "menubar/StatusItemController.h"
#include "platform/linux/LinuxPlatform.h"

namespace {

void say(const char* line) {
    std::printf("%s\n", line);
    std::fflush(stdout);
}

std::function<void()> saying(const char* line) {
    return [line] { say(line); };
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s tray [DISPLAY_STRING] | notice SECONDS\n", program);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        return usage(argv[0]);
    }
    QApplication application(argc, argv);
    // A tray program lives on after its windows close, as the program does.
    QApplication::setQuitOnLastWindowClosed(false);
    platform::LinuxPlatform services;

    if (std::strcmp(argv[1], "tray") == 0) {
        const std::optional<std::string> displayString =
            argc > 2 ? std::optional<std::string>(argv[2]) : std::nullopt;
        StatusItemController controller(displayString, saying("open picker"),
                                        saying("change shortcut"), saying("open settings"),
                                        saying("allow pasting"));
        QObject::connect(&controller.menu(), &QMenu::aboutToShow, [] { say("menu opening"); });
        say(QSystemTrayIcon::isSystemTrayAvailable() ? "ready with a tray"
                                                     : "ready without a tray");
        return QApplication::exec();
    }
    if (std::strcmp(argv[1], "notice") == 0 && argc > 2) {
        NoticePanel panel;
        panel.show("Copied 😀 — paste it with ⌘V", "Click to let Zembril paste for you",
                   std::chrono::duration<double>(std::atof(argv[2])), saying("clicked"));
        say("shown");
        // Ends once the notice is off the screen, by its click or its fade.
        QTimer watch;
        QObject::connect(&watch, &QTimer::timeout, [&panel] {
            if (!panel.isVisible()) {
                QApplication::quit();
            }
        });
        watch.start(50);
        return QApplication::exec();
    }
    return usage(argv[0]);
}
