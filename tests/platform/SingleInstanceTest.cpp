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

#include "TemporaryFolder.h"
#include "platform/linux/FileDescriptor.h"
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
        first.onOpenRequest = [this] { ++openRequests; };
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
    int openRequests = 0;
};

TEST_F(SingleInstanceTest, RunsWhenThereIsNoFolderForTheLock) {
    SingleInstance instance{std::nullopt};
    EXPECT_TRUE(instance.claim(false, 0ms));
    EXPECT_TRUE(instance.claim(true, 0ms));
}

TEST_F(SingleInstanceTest, RunsWhenTheLockFileCannotBeOpened) {
    std::filesystem::create_directory(paths.lockFile);
    EXPECT_TRUE(first.claim(false, 0ms));
}

TEST_F(SingleInstanceTest, ALaterClaimHandsOverAndTheRunningInstanceOpensOnce) {
    ASSERT_TRUE(first.claim(false, 0ms));
    SingleInstance second{paths};
    second.onOpenRequest = [] { ADD_FAILURE() << "the instance that handed over was asked"; };
    EXPECT_FALSE(second.claim(false, 0ms));
    ASSERT_TRUE(runUntil([&] { return openRequests > 0; }));
    EXPECT_EQ(openRequests, 1);
}

TEST_F(SingleInstanceTest, AWaitingClaimGivesUpOnAnInstanceThatStays) {
    ASSERT_TRUE(first.claim(false, 0ms));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(SingleInstance(paths).claim(true, 100ms));
    EXPECT_GE(std::chrono::steady_clock::now() - start, 100ms);
    ASSERT_TRUE(runUntil([&] { return openRequests > 0; }));
    EXPECT_EQ(openRequests, 1);
}

TEST_F(SingleInstanceTest, OnlyAWholeOpenLineIsARequest) {
    ASSERT_TRUE(first.claim(false, 0ms));
    const struct {
        std::string bytes;
        int requests;
    } cases[] = {
        {"open\n", 1},
        {"open\nopen\n", 1},
        {"", 0},
        {"open", 0},
        {"\n", 0},
        {"open\r\n", 0},
        {"OPEN\n", 0},
        {" open\n", 0},
        {"opening\n", 0},
        {"open open open open\n", 0},
        {std::string(100000, 'x'), 0},
        {std::string("open\0\n", 6), 0},
    };
    for (const auto& c : cases) {
        openRequests = 0;
        send(c.bytes);
        EXPECT_EQ(openRequests, c.requests) << '"' << c.bytes.substr(0, 20) << '"';
    }
}

TEST_F(SingleInstanceTest, ReplacesASocketFileLeftByAnInstanceThatDied) {
    test::writeBytes(paths.socket, "left over");
    ASSERT_TRUE(first.claim(false, 0ms));
    send("open\n");
    EXPECT_EQ(openRequests, 1);
}

TEST_F(SingleInstanceTest, AnEndedInstanceLeavesTheSessionFree) {
    {
        SingleInstance earlier{paths};
        ASSERT_TRUE(earlier.claim(false, 0ms));
    }
    EXPECT_FALSE(std::filesystem::exists(paths.socket));
    ASSERT_TRUE(first.claim(false, 0ms));
    send("open\n");
    EXPECT_EQ(openRequests, 1);
}

}  // namespace
}  // namespace platform

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
