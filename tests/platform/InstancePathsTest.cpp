#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "TemporaryFolder.h"
#include "platform/linux/InstancePaths.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

TEST(InstancePaths, DisplayTagNamesOneDisplayAsAPlainFileNamePiece) {
    const struct {
        const char* display;
        std::string tag;
    } cases[] = {
        {nullptr, "none"},
        {"", "none"},
        {":", "none"},
        {":0", "0"},
        {":0.0", "0"},
        {":1.2", "1"},
        {"localhost:10.0", "localhost_10"},
        {"my.host:3", "my.host_3"},
        {"../../etc:0", ".._.._etc_0"},
        {"/tmp/launch-a/org.xquartz:0", "_tmp_launch-a_org.xquartz_0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(displayTag(c.display), c.tag) << (c.display != nullptr ? c.display : "unset");
    }
    const std::string longHost(200, 'h');
    EXPECT_EQ(displayTag((longHost + ":0").c_str()), std::string(64, 'h'));
}

TEST(InstancePaths, LockAndSocketSitSideBySideNamedAfterTheDisplay) {
    const auto paths = instancePaths("/run/user/1000", ":0.0");
    EXPECT_EQ(paths.lockFile, fs::path("/run/user/1000/zembril-0.lock"));
    EXPECT_EQ(paths.socket, fs::path("/run/user/1000/zembril-0.socket"));
}

class InstanceFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directory(runtime);
        fs::create_directory(root);
    }

    test::TemporaryFolder temporary;
    const fs::path runtime = temporary.path() / "runtime";
    const fs::path root = temporary.path() / "tmp";
    const fs::path fallback = root / ("zembril-" + std::to_string(::getuid()));
};

TEST_F(InstanceFolderTest, UsesAWritableRuntimeFolder) {
    EXPECT_EQ(instanceFolder(runtime.c_str(), root), runtime);
    EXPECT_FALSE(fs::exists(fallback));
}

TEST_F(InstanceFolderTest, FallsBackToAPrivateFolderWhenTheRuntimeFolderIsUnusable) {
    const auto file = temporary.path() / "file";
    test::writeBytes(file, "");
    const std::string unusable[] = {"", "relative/run", (runtime / "missing").string(),
                                    file.string()};
    for (const auto& folder : unusable) {
        EXPECT_EQ(instanceFolder(folder.c_str(), root), fallback) << folder;
        EXPECT_EQ(fs::symlink_status(fallback).permissions(), fs::perms::owner_all) << folder;
    }
    EXPECT_EQ(instanceFolder(nullptr, root), fallback);
}

TEST_F(InstanceFolderTest, MakesAnOpenFallbackFolderPrivate) {
    fs::create_directory(fallback);
    fs::permissions(fallback, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_all);
    EXPECT_EQ(instanceFolder(nullptr, root), fallback);
    EXPECT_EQ(fs::symlink_status(fallback).permissions(), fs::perms::owner_all);
}

TEST_F(InstanceFolderTest, RefusesAFallbackThatIsNotARealFolder) {
    fs::create_directory_symlink(runtime, fallback);
    EXPECT_EQ(instanceFolder(nullptr, root), std::nullopt);
    fs::remove(fallback);
    test::writeBytes(fallback, "");
    EXPECT_EQ(instanceFolder(nullptr, root), std::nullopt);
}

}  // namespace
}  // namespace platform
