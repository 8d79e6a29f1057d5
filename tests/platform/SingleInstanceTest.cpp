#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "TemporaryFolder.h"
#include "platform/FileDescriptor.h"
#include "platform/linux/SingleInstance.h"
#include "support/RunUntil.h"

namespace platform {
namespace {

using namespace std::chrono_literals;

bool peerClosed(int fd) {
    pollfd entry{.fd = fd, .events = POLLIN, .revents = 0};
    if (::poll(&entry, 1, 0) != 1) {
        return false;
    }
    char byte = 0;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) <= 0;
}

class SingleInstanceTest : public ::testing::Test {
protected:
    SingleInstanceTest() {
        first.onRequest = [this](SingleInstance::Request request) { requests.push_back(request); };
    }

    // Sends `bytes` to the running instance as a peer of its own making would, ends the
    // sending side, and lets the instance handle them until it closes the connection.
    void send(const std::string& bytes) const {
        FileDescriptor peer(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, paths.socket.c_str(), sizeof(address.sun_path) - 1);
        ASSERT_EQ(
            ::connect(peer.get(), reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        if (!bytes.empty()) {
            // The instance stops reading after a line or too many bytes: what does not fit now
            // would never be read.
            ::send(peer.get(), bytes.data(), bytes.size(), MSG_NOSIGNAL | MSG_DONTWAIT);
        }
        ::shutdown(peer.get(), SHUT_WR);
        ASSERT_TRUE(runUntil([&] { return peerClosed(peer.get()); }));
    }

    test::TemporaryFolder temporary;
    const InstancePaths paths = instancePaths(temporary.path(), ":5");
    SingleInstance first{paths};
    std::vector<SingleInstance::Request> requests;
};

using Request = SingleInstance::Request;
using Outcome = SingleInstance::Outcome;

TEST_F(SingleInstanceTest, RunsWhenThereIsNoFolderForTheLock) {
    SingleInstance instance{std::nullopt};
    EXPECT_EQ(instance.claim(Request::open, false, 0ms), Outcome::claimed);
    EXPECT_EQ(instance.claim(Request::open, true, 0ms), Outcome::claimed);
    EXPECT_EQ(instance.deliver(Request::quit), Outcome::notRunning);
}

TEST_F(SingleInstanceTest, RunsWhenTheLockFileCannotBeOpened) {
    std::filesystem::create_directory(paths.lockFile);
    EXPECT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
}

TEST_F(SingleInstanceTest, ALaterClaimHandsItsRequestOverAndTheRunningInstanceActsOnce) {
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    SingleInstance second{paths};
    second.onRequest = [](Request) { ADD_FAILURE() << "the instance that handed over was asked"; };
    EXPECT_EQ(second.claim(Request::toggle, false, 0ms), Outcome::delivered);
    ASSERT_TRUE(runUntil([&] { return !requests.empty(); }));
    EXPECT_EQ(requests, std::vector{Request::toggle});
}

TEST_F(SingleInstanceTest, DeliveringReachesTheRunningInstanceOrFindsNone) {
    EXPECT_EQ(SingleInstance(paths).deliver(Request::quit), Outcome::notRunning);
    // Finding nothing must not leave the session taken.
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    EXPECT_EQ(SingleInstance(paths).deliver(Request::settings), Outcome::delivered);
    ASSERT_TRUE(runUntil([&] { return !requests.empty(); }));
    EXPECT_EQ(requests, std::vector{Request::settings});
}

TEST_F(SingleInstanceTest, AWaitingClaimGivesUpOnAnInstanceThatStays) {
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SingleInstance(paths).claim(Request::open, true, 100ms), Outcome::delivered);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);
    ASSERT_TRUE(runUntil([&] { return !requests.empty(); }));
    EXPECT_EQ(requests, std::vector{Request::open});
}

TEST_F(SingleInstanceTest, OnlyAWholeRequestLineIsARequest) {
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    const struct {
        std::string bytes;
        std::vector<Request> requests;
    } cases[] = {
        {"open\n", {Request::open}},
        {"toggle\n", {Request::toggle}},
        {"settings\n", {Request::settings}},
        {"quit\n", {Request::quit}},
        {"open\nquit\n", {Request::open}},
        {"", {}},
        {"open", {}},
        {"quit", {}},
        {"\n", {}},
        {"open\r\n", {}},
        {"OPEN\n", {}},
        {" toggle\n", {}},
        {"opening\n", {}},
        {"open open open open\n", {}},
        {std::string(100000, 'x'), {}},
        {std::string("quit\0\n", 6), {}},
    };
    for (const auto& c : cases) {
        requests.clear();
        send(c.bytes);
        EXPECT_EQ(requests, c.requests) << '"' << c.bytes.substr(0, 20) << '"';
    }
}

TEST_F(SingleInstanceTest, ReplacesASocketFileLeftByAnInstanceThatDied) {
    test::writeBytes(paths.socket, "left over");
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    send("open\n");
    EXPECT_EQ(requests, std::vector{Request::open});
}

TEST_F(SingleInstanceTest, AnEndedInstanceLeavesTheSessionFree) {
    {
        SingleInstance earlier{paths};
        ASSERT_EQ(earlier.claim(Request::open, false, 0ms), Outcome::claimed);
    }
    EXPECT_FALSE(std::filesystem::exists(paths.socket));
    ASSERT_EQ(first.claim(Request::open, false, 0ms), Outcome::claimed);
    send("open\n");
    EXPECT_EQ(requests, std::vector{Request::open});
}

}  // namespace
}  // namespace platform

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
