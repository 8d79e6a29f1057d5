// Claims the session's instance from a process of its own and reports on standard output, one
// line each, prefixed with its process id: "instance" or "handed over" after the claim, "open"
// for each request to open the picker, "ended" when its event loop has ended.
//
//   single_instance_probe claim           claims without waiting, then exits
//   single_instance_probe wait <ms>       claims waiting up to <ms> for an earlier instance
//   single_instance_probe serve <n>       claims; as the instance, ends after <n> requests
//   single_instance_probe serve-for <ms>  claims; as the instance, ends after <ms>
//   single_instance_probe relaunch <ms>   claims; as the instance, starts a detached
//                                         `single_instance_probe wait 5000`, and ends after <ms>

#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

#include "platform/linux/SingleInstance.h"

namespace {

void report(const char* event) {
    std::printf("%d %s\n", static_cast<int>(::getpid()), event);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2 || (argc != 3 && std::string_view(argv[1]) != "claim")) {
        return 2;
    }
    const std::string_view mode = argv[1];
    const int number = argc == 3 ? std::stoi(argv[2]) : 0;

    platform::SingleInstance instance;
    using Request = platform::SingleInstance::Request;
    const bool claimed =
        (mode == "wait" ? instance.claim(Request::open, true, std::chrono::milliseconds(number))
                        : instance.claim(Request::open, false, std::chrono::milliseconds(0))) ==
        platform::SingleInstance::Outcome::claimed;
    report(claimed ? "instance" : "handed over");
    if (!claimed || mode == "claim" || mode == "wait") {
        return 0;
    }

    int requests = 0;
    instance.onRequest = [&](Request) {
        report("open");
        if (mode == "serve" && ++requests == number) {
            QCoreApplication::quit();
        }
    };
    if (mode == "serve-for" || mode == "relaunch") {
        QTimer::singleShot(number, &application, &QCoreApplication::quit);
    }
    if (mode == "relaunch") {
        QProcess::startDetached(QCoreApplication::applicationFilePath(), {"wait", "5000"});
    }
    const int status = QCoreApplication::exec();
    report("ended");
    return status;
}
