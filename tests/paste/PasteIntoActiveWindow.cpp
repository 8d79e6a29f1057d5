// Pastes one emoji into the active window with the real services, the way the program does,
// then keeps the clipboard it restored alive while a check command runs.
//
//   paste_into_active_window [--cover] EMOJI [CHECK_COMMAND [ARG...]]
//
// With --cover, a window of its own first takes the focus from the target, as the picker does,
// so the paste must bring the target back. Exits with the check command's status (0 without
// one), or 2 when no window is active or the covering window never gets the focus.

#include <QGuiApplication>
#include <QProcess>
#include <QRasterWindow>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

#include "paste/Paste.h"
#include "platform/Platform.h"
#include "platform/linux/LinuxPlatform.h"

namespace {

constexpr std::chrono::milliseconds focusTimeout{5000};
// Past the restore, 0.35 s after the paste began.
constexpr std::chrono::milliseconds checkDelay{500};

int fail(const char* message) {
    std::fprintf(stderr, "paste_into_active_window: %s\n", message);
    return 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool cover = argc > 1 && std::strcmp(argv[1], "--cover") == 0;
    const int emojiIndex = cover ? 2 : 1;
    if (argc <= emojiIndex) {
        std::fprintf(stderr, "usage: %s [--cover] EMOJI [CHECK_COMMAND [ARG...]]\n", argv[0]);
        return 2;
    }
    QGuiApplication application(argc, argv);
    platform::LinuxPlatform services;

    const auto target = platform::workspace().frontmostWindow();
    if (!target) {
        return fail("no window is active");
    }
    std::fprintf(stderr, "pasting into window %llu, class %s, instance %s%s\n",
                 static_cast<unsigned long long>(target->windowId), target->windowClass.c_str(),
                 target->instanceName.c_str(), cover ? ", after covering it" : "");

    QProcess check;
    check.setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(&check, &QProcess::finished,
                     [](int status, QProcess::ExitStatus) { QCoreApplication::exit(status); });
    QObject::connect(&check, &QProcess::errorOccurred, [](QProcess::ProcessError) {
        QCoreApplication::exit(fail("the check command did not run"));
    });
    const auto paste = [&] {
        Paste::pasteEmoji(argv[emojiIndex], target);
        platform::mainQueue().asyncAfter(checkDelay, [&] {
            if (argc <= emojiIndex + 1) {
                QCoreApplication::exit(0);
                return;
            }
            QStringList arguments;
            for (int index = emojiIndex + 2; index < argc; ++index) {
                arguments << QString::fromLocal8Bit(argv[index]);
            }
            check.start(QString::fromLocal8Bit(argv[emojiIndex + 1]), arguments);
        });
    };

    std::optional<QRasterWindow> coverWindow;
    bool pasted = false;
    if (cover) {
        coverWindow.emplace();
        coverWindow->setTitle("Zembril paste cover");
        coverWindow->resize(200, 100);
        QObject::connect(&application, &QGuiApplication::focusWindowChanged, [&](QWindow* focused) {
            if (focused == &*coverWindow && !pasted) {
                pasted = true;
                paste();
            }
        });
        coverWindow->show();
        coverWindow->requestActivate();
        platform::mainQueue().asyncAfter(focusTimeout, [&] {
            if (!pasted) {
                QCoreApplication::exit(fail("the covering window never got the focus"));
            }
        });
    } else {
        pasted = true;
        paste();
    }
    return application.exec();
}
