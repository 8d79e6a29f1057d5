#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "TemporaryFolder.h"

extern char** environ;

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

// A generous limit for anything a probe reports: reaching it is a failure, not a timing check.
constexpr int reportTimeoutMs = 10000;

// One line a probe reported: the process id and the event.
struct Report {
    pid_t pid = -1;
    std::string event;
};

// A single_instance_probe process in a session of the test's own: $XDG_RUNTIME_DIR is the
// test's folder and $DISPLAY a fixed name. Its standard output comes through a pipe, which a
// detached instance it starts shares.
class Probe {
public:
    Probe(const std::filesystem::path& runtimeFolder, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), ZEMBRIL_SINGLE_INSTANCE_PROBE);
        std::vector<char*> argv;
        for (auto& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);

        std::vector<std::string> variables = {"XDG_RUNTIME_DIR=" + runtimeFolder.string(),
                                              "DISPLAY=:5"};
        for (char** variable = environ; *variable != nullptr; ++variable) {
            const std::string_view text = *variable;
            if (!text.starts_with("XDG_RUNTIME_DIR=") && !text.starts_with("DISPLAY=")) {
                variables.emplace_back(text);
            }
        }
        std::vector<char*> envp;
        for (auto& variable : variables) {
            envp.push_back(variable.data());
        }
        envp.push_back(nullptr);

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
    Probe(const Probe&) = delete;
    Probe& operator=(const Probe&) = delete;
    ~Probe() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            wait();
        }
        if (output_ >= 0) {
            ::close(output_);
        }
    }

    pid_t pid() const { return pid_; }

    /// The next line reported; nothing when the output ends or the limit passes first.
    std::optional<Report> next() {
        const auto deadline = Clock::now() + std::chrono::milliseconds(reportTimeoutMs);
        for (;;) {
            if (const auto end = pending_.find('\n'); end != std::string::npos) {
                const std::string line = pending_.substr(0, end);
                pending_.erase(0, end + 1);
                const auto space = line.find(' ');
                return Report{.pid = std::stoi(line.substr(0, space)),
                              .event = line.substr(space + 1)};
            }
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            pollfd entry{.fd = output_, .events = POLLIN, .revents = 0};
            if (left <= 0ms || ::poll(&entry, 1, static_cast<int>(left.count())) != 1) {
                return std::nullopt;
            }
            char buffer[256];
            const auto count = ::read(output_, buffer, sizeof(buffer));
            if (count <= 0) {
                return std::nullopt;
            }
            pending_.append(buffer, static_cast<std::size_t>(count));
        }
    }

    /// The next event this probe itself reported, or "" when there is none.
    std::string nextEvent() {
        const auto report = next();
        if (!report) {
            return "";
        }
        EXPECT_EQ(report->pid, pid_) << report->event;
        return report->event;
    }

    /// The exit status, once the process has ended.
    int wait() {
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
        return status;
    }

    int kill() {
        ::kill(pid_, SIGKILL);
        return wait();
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
};

bool exitedNormally(int status) {
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class SingleInstanceProcessTest : public ::testing::Test {
protected:
    test::TemporaryFolder runtime;
};

TEST_F(SingleInstanceProcessTest, ALaterStartHandsOverToTheRunningInstance) {
    Probe first(runtime.path(), {"serve", "1"});
    ASSERT_EQ(first.nextEvent(), "instance");

    Probe second(runtime.path(), {"claim"});
    EXPECT_EQ(second.nextEvent(), "handed over");
    EXPECT_TRUE(exitedNormally(second.wait()));

    EXPECT_EQ(first.nextEvent(), "open");
    EXPECT_EQ(first.nextEvent(), "ended");
    EXPECT_TRUE(exitedNormally(first.wait()));
}

TEST_F(SingleInstanceProcessTest, AWaitingStartTakesOverFromAnInstanceThatEnds) {
    Probe first(runtime.path(), {"serve-for", "300"});
    ASSERT_EQ(first.nextEvent(), "instance");

    Probe second(runtime.path(), {"wait", "5000"});
    EXPECT_EQ(second.nextEvent(), "instance");
    EXPECT_TRUE(exitedNormally(second.wait()));

    EXPECT_EQ(first.nextEvent(), "ended");
    EXPECT_TRUE(exitedNormally(first.wait()));
}

TEST_F(SingleInstanceProcessTest, AWaitingStartHandsOverWhenTheInstanceOutlivesTheWait) {
    Probe first(runtime.path(), {"serve", "1"});
    ASSERT_EQ(first.nextEvent(), "instance");

    const auto start = Clock::now();
    Probe second(runtime.path(), {"wait", "400"});
    EXPECT_EQ(second.nextEvent(), "handed over");
    EXPECT_TRUE(exitedNormally(second.wait()));
    EXPECT_GE(Clock::now() - start, 400ms);

    EXPECT_EQ(first.nextEvent(), "open");
    EXPECT_EQ(first.nextEvent(), "ended");
}

TEST_F(SingleInstanceProcessTest, AKilledInstanceLeavesNothingInTheWay) {
    Probe killed(runtime.path(), {"serve", "1"});
    ASSERT_EQ(killed.nextEvent(), "instance");
    const int status = killed.kill();
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

    Probe next(runtime.path(), {"serve", "1"});
    ASSERT_EQ(next.nextEvent(), "instance");
    Probe later(runtime.path(), {"claim"});
    EXPECT_EQ(later.nextEvent(), "handed over");
    EXPECT_EQ(next.nextEvent(), "open");
}

TEST_F(SingleInstanceProcessTest, ARelaunchedInstanceTakesOverOnceTheOldOneEnds) {
    Probe old(runtime.path(), {"relaunch", "300"});
    ASSERT_EQ(old.nextEvent(), "instance");

    std::vector<std::string> events;
    pid_t relaunched = -1;
    while (const auto report = old.next()) {
        if (report->pid == old.pid()) {
            events.push_back(report->event);
        } else {
            relaunched = report->pid;
            events.push_back("relaunched " + report->event);
            break;
        }
    }
    EXPECT_NE(relaunched, -1);
    EXPECT_EQ(events, (std::vector<std::string>{"ended", "relaunched instance"}));
    EXPECT_TRUE(exitedNormally(old.wait()));
}

}  // namespace
