#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TemporaryFolder.h"

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
    Probe(const std::filesystem::path& runtimeFolder, std::vector<std::string> arguments)
        : process_(withProgram(std::move(arguments)),
                   {"XDG_RUNTIME_DIR=" + runtimeFolder.string(), "DISPLAY=:5"}) {}

    pid_t pid() const { return process_.pid(); }

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
            pollfd entry{.fd = process_.output(), .events = POLLIN, .revents = 0};
            if (left <= 0ms || ::poll(&entry, 1, static_cast<int>(left.count())) != 1) {
                return std::nullopt;
            }
            char buffer[256];
            const auto count = ::read(process_.output(), buffer, sizeof(buffer));
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
        EXPECT_EQ(report->pid, process_.pid()) << report->event;
        return report->event;
    }

    /// The exit status, once the process has ended.
    int wait() { return process_.wait(); }
    int kill() { return process_.kill(); }

private:
    static std::vector<std::string> withProgram(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), ZEMBRIL_SINGLE_INSTANCE_PROBE);
        return arguments;
    }

    test::ChildProcess process_;
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
