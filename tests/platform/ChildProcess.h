#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace test {

// A helper program of a test, started with a pipe from its standard output and killed when
// dropped, so no test leaves a process behind.
class ChildProcess {
public:
    /// Starts `arguments[0]` with the other arguments, in this process's environment with the
    /// "NAME=value" entries of `environment` in place of those of the same names.
    explicit ChildProcess(const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool started() const { return pid_ > 0; }
    pid_t pid() const { return pid_; }
    /// The read end of the pipe from the program's standard output.
    int output() const { return output_; }

    /// The wait status, once the process has ended.
    int wait();
    /// Ends the process with SIGKILL; its wait status.
    int kill();

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

}  // namespace test
