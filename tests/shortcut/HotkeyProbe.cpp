// Registers one global shortcut through the real platform and reports on stdout, one line each:
// "registered" or "not registered", then "press <ms>" for every press (milliseconds on the
// monotonic clock). Reading "drop" from stdin drops the monitor and answers "dropped"; the end
// of stdin ends the program.
//
//   hotkey_probe KEY_CODE CARBON_MODIFIERS   (numbers in C notation: 49, 0x1800)
#include <unistd.h>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/linux/LinuxPlatform.h"
#include "shortcut/HotkeyMonitor.h"

namespace {

void say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s KEY_CODE CARBON_MODIFIERS\n", argv[0]);
        return 2;
    }
    const auto keyCode = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 0));
    const auto modifiers = static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 0));

    QGuiApplication application(argc, argv);
    platform::LinuxPlatform platform;

    auto monitor = std::make_unique<HotkeyMonitor>(keyCode, modifiers, [] {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        say("press " +
            std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(now).count()));
    });
    say(monitor->isRegistered() ? "registered" : "not registered");

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[256];
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, static_cast<std::size_t>(count));
        for (auto end = pending.find('\n'); end != std::string::npos; end = pending.find('\n')) {
            if (pending.compare(0, end, "drop") == 0) {
                monitor.reset();
                say("dropped");
            }
            pending.erase(0, end + 1);
        }
    });
    return QGuiApplication::exec();
}
