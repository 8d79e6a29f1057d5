#include "platform/linux/XdgAutostartLoginItem.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <string>

#include "TemporaryFolder.h"

namespace platform {
namespace {

using test::folderEntries;
using test::readBytes;
using test::writeBytes;

class XdgAutostartLoginItemTest : public ::testing::Test {
protected:
    XdgAutostartLoginItem item() const { return XdgAutostartLoginItem(entry, executable); }

    void putEntry(std::string_view bytes) const {
        std::filesystem::create_directories(folder);
        writeBytes(entry, bytes);
    }

    test::TemporaryFolder temporary;
    const std::filesystem::path folder = temporary.path() / "config" / "autostart";
    const std::filesystem::path entry = folder / "zembril.desktop";
    const std::filesystem::path executable = "/opt/zembril/bin/zembril";
};

TEST_F(XdgAutostartLoginItemTest, RegisteringWritesAnEntryThatStartsTheProgram) {
    auto loginItem = item();
    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);

    loginItem.registerItem();

    EXPECT_EQ(loginItem.status(), LoginItemStatus::enabled);
    EXPECT_EQ(readBytes(entry),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Zembril\n"
              "Comment=Emoji picker in the system tray\n"
              "Exec=\"/opt/zembril/bin/zembril\"\n"
              "Terminal=false\n");
    EXPECT_EQ(folderEntries(folder), std::vector<std::string>{"zembril.desktop"});

    loginItem.unregisterItem();

    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);
    EXPECT_TRUE(folderEntries(folder).empty());
    loginItem.unregisterItem();
    EXPECT_EQ(loginItem.status(), LoginItemStatus::notRegistered);
}

TEST_F(XdgAutostartLoginItemTest, AnEntryStartsTheProgramUnlessItsMainGroupHidesIt) {
    const struct {
        const char* bytes;
        LoginItemStatus status;
    } cases[] = {
        {"[Desktop Entry]\nExec=zembril\n", LoginItemStatus::enabled},
        {"", LoginItemStatus::enabled},
        {"[Desktop Entry]\nHidden=true\n", LoginItemStatus::notRegistered},
        {"[Desktop Entry]\r\n  Hidden = true \r\n", LoginItemStatus::notRegistered},
        {"[Desktop Entry]\nHidden=false\n", LoginItemStatus::enabled},
        {"[Desktop Entry]\nHidden=True\n", LoginItemStatus::enabled},
        {"[Desktop Entry]\nX-Hidden=true\n", LoginItemStatus::enabled},
        {"[Desktop Action quiet]\nHidden=true\n[Desktop Entry]\n", LoginItemStatus::enabled},
        {"[Desktop Entry]\n[Other]\nHidden=true\n", LoginItemStatus::enabled},
    };
    for (const auto& [bytes, status] : cases) {
        SCOPED_TRACE(bytes);
        putEntry(bytes);
        EXPECT_EQ(item().status(), status);
    }
}

TEST_F(XdgAutostartLoginItemTest, RegisteringReplacesAHiddenEntry) {
    putEntry("[Desktop Entry]\nExec=old\nHidden=true\n");

    item().registerItem();

    EXPECT_EQ(item().status(), LoginItemStatus::enabled);
    EXPECT_NE(readBytes(entry).find("Exec=\"/opt/zembril/bin/zembril\"\n"), std::string::npos);
}

TEST_F(XdgAutostartLoginItemTest, TheExecutableIsQuotedAndEscapedForTheExecKey) {
    const struct {
        const char* path;
        const char* exec;
    } cases[] = {
        {"/home/a b/zembril", R"(Exec="/home/a b/zembril")"},
        {"/tmp/\"q\"/`x`/$HOME/zembril", R"(Exec="/tmp/\\"q\\"/\\`x\\`/\\$HOME/zembril")"},
        {"/tmp/100%/zembril", R"(Exec="/tmp/100%%/zembril")"},
        {"/tmp/back\\slash/zembril", R"(Exec="/tmp/back\\\\slash/zembril")"},
        {"/tmp/new\nline/zembril", R"(Exec="/tmp/new\nline/zembril")"},
    };
    for (const auto& [path, exec] : cases) {
        SCOPED_TRACE(path);
        XdgAutostartLoginItem(entry, path).registerItem();
        EXPECT_NE(readBytes(entry).find(std::string("\n") + exec + "\n"), std::string::npos)
            << readBytes(entry);
    }
}

TEST_F(XdgAutostartLoginItemTest, WithoutAKnownExecutableNothingIsRegistered) {
    XdgAutostartLoginItem unknown(entry, {});
    EXPECT_EQ(unknown.status(), LoginItemStatus::notFound);

    unknown.registerItem();

    EXPECT_FALSE(std::filesystem::exists(entry));
    EXPECT_EQ(unknown.status(), LoginItemStatus::notFound);
    putEntry("[Desktop Entry]\n");
    EXPECT_EQ(unknown.status(), LoginItemStatus::enabled);
}

// Runs `change` where the autostart folder cannot be written, and checks that it left the
// folder as it was.
class ReadOnlyFolderTest : public XdgAutostartLoginItemTest {
protected:
    void expectFolderUnchangedBy(const std::function<void(XdgAutostartLoginItem&)>& change) {
        std::filesystem::create_directories(folder);
        const auto entriesBefore = folderEntries(folder);
        const std::optional<std::string> bytesBefore =
            std::filesystem::exists(entry) ? std::optional(readBytes(entry)) : std::nullopt;

        if (::geteuid() != 0) {
            std::filesystem::permissions(folder, std::filesystem::perms(0500));
            auto loginItem = item();
            change(loginItem);
        } else {
            // Root writes into read-only folders anyway: change as an ordinary user instead.
            constexpr uid_t nobody = 65534;
            for (auto path = folder; path != temporary.path(); path = path.parent_path()) {
                ASSERT_EQ(::chown(path.c_str(), nobody, nobody), 0);
            }
            std::filesystem::permissions(temporary.path(), std::filesystem::perms(0711));
            std::filesystem::permissions(folder, std::filesystem::perms(0500));
            const pid_t child = ::fork();
            ASSERT_GE(child, 0);
            if (child == 0) {
                const bool dropped = ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
                if (dropped) {
                    auto loginItem = item();
                    change(loginItem);
                }
                ::_exit(dropped ? 0 : 1);
            }
            int status = 0;
            ASSERT_EQ(::waitpid(child, &status, 0), child);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }

        EXPECT_EQ(folderEntries(folder), entriesBefore);
        if (bytesBefore) {
            EXPECT_EQ(readBytes(entry), *bytesBefore);
        }
    }
};

TEST_F(ReadOnlyFolderTest, RegisteringFailsSilently) {
    expectFolderUnchangedBy([](XdgAutostartLoginItem& loginItem) { loginItem.registerItem(); });
    EXPECT_EQ(item().status(), LoginItemStatus::notRegistered);
}

TEST_F(ReadOnlyFolderTest, UnregisteringFailsSilently) {
    putEntry("[Desktop Entry]\nExec=zembril\n");
    ::chmod(entry.c_str(), 0644);
    expectFolderUnchangedBy([](XdgAutostartLoginItem& loginItem) { loginItem.unregisterItem(); });
    EXPECT_EQ(item().status(), LoginItemStatus::enabled);
}

TEST_F(ReadOnlyFolderTest, ReplacingAHiddenEntryFailsSilently) {
    putEntry("[Desktop Entry]\nHidden=true\n");
    ::chmod(entry.c_str(), 0644);
    expectFolderUnchangedBy([](XdgAutostartLoginItem& loginItem) { loginItem.registerItem(); });
    EXPECT_EQ(item().status(), LoginItemStatus::notRegistered);
}

// Sets an environment variable for the object's lifetime.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            previous_ = old;
        }
        if (value != nullptr) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedVariable() {
        if (previous_) {
            ::setenv(name_, previous_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> previous_;
};

TEST(XdgAutostartLoginItemPaths, TheEntryIsInTheUsersAutostartFolder) {
    const ScopedVariable home("HOME", "/home/someone");
    const struct {
        const char* configHome;
        const char* expected;
    } cases[] = {
        {"/var/config", "/var/config/autostart/zembril.desktop"},
        {nullptr, "/home/someone/.config/autostart/zembril.desktop"},
        {"", "/home/someone/.config/autostart/zembril.desktop"},
        {"relative/config", "/home/someone/.config/autostart/zembril.desktop"},
    };
    for (const auto& [configHome, expected] : cases) {
        SCOPED_TRACE(configHome != nullptr ? configHome : "(unset)");
        const ScopedVariable variable("XDG_CONFIG_HOME", configHome);
        EXPECT_EQ(XdgAutostartLoginItem::defaultEntryPath(), expected);
    }
}

TEST(XdgAutostartLoginItemPaths, TheRunningExecutableIsThisTestProgram) {
    const auto executable = XdgAutostartLoginItem::runningExecutable();
    EXPECT_TRUE(executable.is_absolute());
    EXPECT_EQ(executable.filename(), "XdgAutostartLoginItemTest");
    EXPECT_TRUE(std::filesystem::is_regular_file(executable));
}

}  // namespace
}  // namespace platform
