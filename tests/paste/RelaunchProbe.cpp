// Relaunches itself for the paste permission the way the program does, and reports each step
// on standard output, which the new instance shares:
//
//   started PID          a start with nothing to resume, which then relaunches in onboarding mode
//   before launch        the step that runs before the new instance is launched
//   ended PID            the first instance's event loop has ended
//   resumed PID MODE     a start that resumes, MODE onboarding or normal
//   then nothing|again   what a second read of the resume flag yields

#include <unistd.h>

#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "paste/PastePermission.h"
#include "platform/linux/LinuxPlatform.h"

namespace {

void report(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    platform::LinuxPlatform services;
    const std::string pid = std::to_string(getpid());

    if (const auto resumed = PastePermission::consumeResume()) {
        report("resumed " + pid + (*resumed ? " onboarding" : " normal"));
        report(PastePermission::consumeResume() ? "then again" : "then nothing");
        return 0;
    }
    report("started " + pid);
    PastePermission::relaunch(true, [] { report("before launch"); });
    const int status = application.exec();
    report("ended " + pid);
    return status;
}
