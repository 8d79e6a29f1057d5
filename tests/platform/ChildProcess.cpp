#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string_view>

extern char** environ;

namespace test {
namespace {

std::string_view nameOf(std::string_view variable) {
    return variable.substr(0, variable.find('='));
}

std::vector<std::string> mergedEnvironment(const std::vector<std::string>& overrides) {
    std::vector<std::string> variables = overrides;
    for (char** variable = environ; *variable != nullptr; ++variable) {
        const std::string_view text = *variable;
        bool overridden = false;
        for (const std::string& entry : overrides) {
            overridden = overridden || nameOf(entry) == nameOf(text);
        }
        if (!overridden) {
            variables.emplace_back(text);
        }
    }
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings) {
    std::vector<char*> pointers;
    for (auto& string : strings) {
        pointers.push_back(string.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment) {
    std::vector<std::string> argumentStrings = arguments;
    std::vector<std::string> variables = mergedEnvironment(environment);
    const std::vector<char*> argv = pointersTo(argumentStrings);
    const std::vector<char*> envp = pointersTo(variables);

    int pipeEnds[2] = {-1, -1};
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return;
    }
    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    if (::posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid_ = -1;
    }
    ::posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProcess::~ChildProcess() {
    if (pid_ > 0) {
        kill();
    }
    if (output_ >= 0) {
        ::close(output_);
    }
}

int ChildProcess::wait() {
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
}

int ChildProcess::kill() {
    ::kill(pid_, SIGKILL);
    return wait();
}

}  // namespace test
