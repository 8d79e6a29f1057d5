#include "platform/linux/FileDefaultsStore.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <nlohmann/json.hpp>

#include "TemporaryFolder.h"

namespace platform {
namespace {

using test::folderEntries;
using test::readBytes;
using test::writeBytes;

constexpr std::int64_t int64Max = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t int64Min = std::numeric_limits<std::int64_t>::min();

class FileDefaultsStoreTest : public ::testing::Test {
protected:
    void putFile(std::string_view bytes) {
        std::filesystem::create_directories(folder);
        writeBytes(file, bytes);
    }

    nlohmann::json fileJson() const { return nlohmann::json::parse(readBytes(file)); }

    test::TemporaryFolder temporary;
    const std::filesystem::path folder = temporary.path() / "zembril";
    const std::filesystem::path file = folder / "preferences.json";
    const std::filesystem::path corruptFile = folder / "preferences.json.corrupt";
};

mode_t permissionsOf(const std::filesystem::path& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

TEST_F(FileDefaultsStoreTest, EveryValueKindSurvivesTheFile) {
    const std::vector<std::pair<std::string, DefaultsValue>> values = {
        {"true", true},
        {"false", false},
        {"zero", std::int64_t{0}},
        {"negative", std::int64_t{-42}},
        {"largest", int64Max},
        {"smallest", int64Min},
        {"fraction", -0.25},
        {"whole double", 3.0},
        {"huge double", 1e300},
        {"empty string", std::string()},
        {"text", std::string("😀 \"quoted\"\n\\ \t end")},
        {"empty array", StringArray{}},
        {"strings", StringArray{"👍🏽", "", "a"}},
        {"other", OtherValue{}},
        {"", std::string("empty key")},
    };
    FileDefaultsStore writer(file);
    for (const auto& [key, value] : values) {
        writer.setObject(key, value);
    }

    const FileDefaultsStore reader(file);
    for (const auto& [key, value] : values) {
        EXPECT_EQ(reader.object(key), value) << "key \"" << key << "\"";
    }
}

struct StoredValueCase {
    const char* json;
    std::optional<DefaultsValue> object;
    std::int64_t integer;
    bool boolean;
    std::optional<std::string> string;
    std::optional<StringArray> stringArray;
};

TEST_F(FileDefaultsStoreTest, ReadsEachStoredKindAsTheTypedReadsExpect) {
    using Strings = StringArray;
    const StoredValueCase cases[] = {
        {"true", true, 1, true, "1", std::nullopt},
        {"false", false, 0, false, "0", std::nullopt},
        {"42", std::int64_t{42}, 42, true, "42", std::nullopt},
        {"-7", std::int64_t{-7}, -7, true, "-7", std::nullopt},
        {"9223372036854775807", int64Max, int64Max, true, "9223372036854775807", std::nullopt},
        {"18446744073709551615", 18446744073709551615.0, int64Max, true, "18446744073709551616",
         std::nullopt},
        {"2.75", 2.75, 2, true, "2.75", std::nullopt},
        {"1e3", 1000.0, 1000, true, "1000", std::nullopt},
        {"0.0", 0.0, 0, false, "0", std::nullopt},
        {R"("12abc")", std::string("12abc"), 12, true, "12abc", std::nullopt},
        {R"("YES")", std::string("YES"), 0, true, "YES", std::nullopt},
        {R"("true")", std::string("true"), 0, true, "true", std::nullopt},
        {R"("0")", std::string("0"), 0, false, "0", std::nullopt},
        {R"("no")", std::string("no"), 0, false, "no", std::nullopt},
        {R"(["😀", "b"])", Strings{"😀", "b"}, 0, false, std::nullopt, Strings{"😀", "b"}},
        {"[]", Strings{}, 0, false, std::nullopt, Strings{}},
        {R"(["a", 1])", OtherValue{}, 0, false, std::nullopt, std::nullopt},
        {"null", OtherValue{}, 0, false, std::nullopt, std::nullopt},
        {R"({"a": "b"})", OtherValue{}, 0, false, std::nullopt, std::nullopt},
    };
    const FileDefaultsStore store(file);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        putFile(std::string(R"({"key": )") + c.json + "}");
        EXPECT_EQ(store.object("key"), c.object);
        EXPECT_EQ(store.integer("key"), c.integer);
        EXPECT_EQ(store.boolean("key"), c.boolean);
        EXPECT_EQ(store.string("key"), c.string);
        EXPECT_EQ(store.stringArray("key"), c.stringArray);
    }

    EXPECT_EQ(store.object("absent"), std::nullopt);
    EXPECT_EQ(store.integer("absent"), 0);
    EXPECT_FALSE(store.boolean("absent"));
    EXPECT_EQ(store.string("absent"), std::nullopt);
    EXPECT_EQ(store.stringArray("absent"), std::nullopt);
}

TEST_F(FileDefaultsStoreTest, AMissingFileReadsAsEmptyAndTheFirstWriteCreatesIt) {
    FileDefaultsStore store(file);
    EXPECT_EQ(store.object("skinTone"), std::nullopt);
    store.removeObject("skinTone");
    EXPECT_FALSE(std::filesystem::exists(folder));

    store.setInteger("skinTone", 2);

    EXPECT_EQ(fileJson(), nlohmann::json({{"skinTone", 2}}));
    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"preferences.json", "preferences.json.lock"}));
}

TEST_F(FileDefaultsStoreTest, AnUnreadableFileReadsAsEmptyAndIsKeptAsideByTheNextWrite) {
    const std::string validFile = R"({"a": 1, "recentEmoji": ["😀", "👍"]})";
    const std::string tooDeep = R"({"a": )" + std::string(5000, '[') + std::string(5000, ']') + "}";
    const std::pair<const char*, std::string> cases[] = {
        {"garbage", "this is not JSON"},
        {"empty", ""},
        {"truncated inside an emoji", validFile.substr(0, validFile.size() - 8)},
        {"array", R"(["a", 1])"},
        {"bare string", R"("a")"},
        {"invalid UTF-8", "{\"a\": \"\xff\xfe\"}"},
        {"content after the object", R"({"a": 1} {"b": 2})"},
        {"comment", R"({"a": 1 /* note */})"},
        {"NaN", R"({"a": NaN})"},
        {"nested too deep", tooDeep},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        std::filesystem::remove_all(folder);
        putFile(bytes);

        FileDefaultsStore store(file);
        EXPECT_EQ(store.object("a"), std::nullopt);
        store.setInteger("b", 7);

        EXPECT_EQ(readBytes(corruptFile), bytes);
        EXPECT_EQ(fileJson(), nlohmann::json({{"b", 7}}));
        EXPECT_EQ(store.integer("b"), 7);
    }
}

TEST_F(FileDefaultsStoreTest, RemovingAnAbsentKeyLeavesAnUnreadableFileAlone) {
    putFile("garbage");
    FileDefaultsStore store(file);

    store.removeObject("a");

    EXPECT_EQ(readBytes(file), "garbage");
    EXPECT_FALSE(std::filesystem::exists(corruptFile));
}

TEST_F(FileDefaultsStoreTest, WritesKeepEveryOtherKeyExactly) {
    const std::string original = R"({
        "nothing": null,
        "nested": {"x": [1, {"y": "z"}], "empty": {}},
        "mixed": [1, "a", true, null],
        "unsigned": 18446744073709551615,
        "negative": -9223372036854775808,
        "fraction": 0.1,
        "tiny": 1e-7,
        "text": "\u00e9\ud83d\ude00",
        "recentEmoji": ["😀"],
        "skinTone": 3
    })";
    putFile(original);
    auto expected = nlohmann::json::parse(original);

    FileDefaultsStore store(file);
    store.setInteger("skinTone", 4);
    store.removeObject("recentEmoji");
    store.setString("hotkeyDisplayString", "⌃⌥Space");

    expected["skinTone"] = 4;
    expected.erase("recentEmoji");
    expected["hotkeyDisplayString"] = "⌃⌥Space";
    // Text comparison: JSON equality would let a big unsigned turn into a double unnoticed.
    EXPECT_EQ(fileJson().dump(), expected.dump());
}

TEST_F(FileDefaultsStoreTest, InvalidUtf8IsWrittenAsReplacementCharacters) {
    FileDefaultsStore store(file);
    store.setString("kept", "value");

    store.setString("text", std::string("a\xff") + "b");
    store.setStringArray("bad\xfe", {"\xc3"});

    EXPECT_EQ(store.string("text"), "a\uFFFDb");
    EXPECT_EQ(store.stringArray("bad\uFFFD"), StringArray{"\uFFFD"});
    EXPECT_EQ(store.string("kept"), "value");
}

TEST_F(FileDefaultsStoreTest, FoldersAndFileArePrivateWhateverTheUmask) {
    for (const mode_t mask : {mode_t{0}, mode_t{0277}}) {
        SCOPED_TRACE(mask);
        const auto home = temporary.path() / ("home" + std::to_string(mask));
        const auto deepFile = home / ".config" / "zembril" / "preferences.json";
        const mode_t previous = ::umask(mask);
        FileDefaultsStore store(deepFile);
        store.setBool("pastePermissionRequested", true);
        store.setBool("resumePastePermissionSetup", true);
        ::umask(previous);

        EXPECT_EQ(permissionsOf(home), 0700);
        EXPECT_EQ(permissionsOf(home / ".config"), 0700);
        EXPECT_EQ(permissionsOf(home / ".config" / "zembril"), 0700);
        EXPECT_EQ(permissionsOf(deepFile), 0600);
        EXPECT_TRUE(store.boolean("resumePastePermissionSetup"));
    }
}

TEST_F(FileDefaultsStoreTest, AWriteMakesAnExistingFilePrivate) {
    putFile(R"({"a": 1})");
    std::filesystem::permissions(file, std::filesystem::perms(0644));

    FileDefaultsStore(file).setInteger("a", 2);

    EXPECT_EQ(permissionsOf(file), 0600);
}

// Runs `write` and checks that it changed nothing in the folder.
class FailedWriteTest : public FileDefaultsStoreTest {
protected:
    void expectFolderUnchangedBy(const std::function<void()>& write) {
        FileDefaultsStore(file).setString("a", "old");
        const auto bytesBefore = readBytes(file);
        const auto entriesBefore = folderEntries(folder);

        write();

        EXPECT_EQ(readBytes(file), bytesBefore);
        EXPECT_EQ(folderEntries(folder), entriesBefore);
        EXPECT_EQ(FileDefaultsStore(file).string("a"), "old");
    }

    static void writeNewValue(const std::filesystem::path& path) {
        FileDefaultsStore(path).setString("a", std::string(4096, 'n'));
    }
};

TEST_F(FailedWriteTest, InAReadOnlyFolder) {
    expectFolderUnchangedBy([this] {
        if (::geteuid() != 0) {
            std::filesystem::permissions(folder, std::filesystem::perms(0500));
            writeNewValue(file);
            return;
        }
        // Root writes into read-only folders anyway: write as an ordinary user instead.
        constexpr uid_t nobody = 65534;
        std::filesystem::permissions(temporary.path(), std::filesystem::perms(0711));
        for (const auto& path : {folder, file, folder / "preferences.json.lock"}) {
            ASSERT_EQ(::chown(path.c_str(), nobody, nobody), 0);
        }
        std::filesystem::permissions(folder, std::filesystem::perms(0500));
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const bool dropped = ::setgid(nobody) == 0 && ::setuid(nobody) == 0;
            if (dropped) {
                writeNewValue(file);
            }
            ::_exit(dropped ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    });
}

TEST_F(FailedWriteTest, WhenTheDiskIsFull) {
    expectFolderUnchangedBy([this] {
        // A file size limit makes writes fail the way a full disk does, with root's rights too.
        rlimit previousLimit{};
        ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
        const auto previousHandler = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = previousLimit;
        limit.rlim_cur = 100;
        ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limit), 0);

        writeNewValue(file);

        ::setrlimit(RLIMIT_FSIZE, &previousLimit);
        ::signal(SIGXFSZ, previousHandler);
    });
}

TEST_F(FileDefaultsStoreTest, AWriteRemovesTemporaryFilesThatKilledWritersLeft) {
    putFile(R"({"a": 1})");
    writeBytes(folder / "preferences.json.tmp-a1B2c3", R"({"a": 0})");
    writeBytes(folder / "other.json.tmp-a1B2c3", "someone else's");

    FileDefaultsStore(file).setInteger("a", 2);

    EXPECT_EQ(folderEntries(folder),
              (std::vector<std::string>{"other.json.tmp-a1B2c3", "preferences.json",
                                        "preferences.json.lock"}));
}

void setModified(const std::filesystem::path& path, const timespec& time) {
    const timespec times[2] = {time, time};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

TEST_F(FileDefaultsStoreTest, ReadsNoticeEveryChangeOfTheFile) {
    // An hour old, so that a cache may trust the file's identity.
    const timespec settled{::time(nullptr) - 3600, 500};
    const timespec oneNanosecondLater{settled.tv_sec, settled.tv_nsec + 1};
    struct Case {
        const char* name;
        std::function<void()> change;
        std::int64_t expected;
        bool sameSize;
    };
    const Case cases[] = {
        {"another store writes the same size at once",
         [&] { FileDefaultsStore(file).setInteger("a", 2); }, 2, true},
        {"another store writes the same size and time",
         [&] {
             FileDefaultsStore(file).setInteger("a", 2);
             setModified(file, settled);
         },
         2, true},
        {"rewritten in place with another size and the same time",
         [&] {
             writeBytes(file, "{\n  \"a\": 22\n}\n");
             setModified(file, settled);
         },
         22, false},
        {"rewritten in place with the same size a nanosecond later",
         [&] {
             writeBytes(file, "{\n  \"a\": 2\n}\n");
             setModified(file, oneNanosecondLater);
         },
         2, true},
        {"removed", [&] { std::filesystem::remove(file); }, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FileDefaultsStore(file).setInteger("a", 1);
        setModified(file, settled);
        const FileDefaultsStore reader(file);
        ASSERT_EQ(reader.integer("a"), 1);
        const auto sizeBefore = std::filesystem::file_size(file);

        c.change();

        if (c.sameSize) {
            EXPECT_EQ(std::filesystem::file_size(file), sizeBefore);
        }
        EXPECT_EQ(reader.integer("a"), c.expected);
    }
}

class DefaultPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
            if (const char* value = std::getenv(name)) {
                saved_.emplace_back(name, value);
            }
        }
    }
    void TearDown() override {
        ::unsetenv("XDG_CONFIG_HOME");
        ::unsetenv("HOME");
        for (const auto& [name, value] : saved_) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> saved_;
};

TEST_F(DefaultPathTest, FollowsTheConfigHomeWhenItIsAbsolute) {
    const std::pair<const char*, const char*> cases[] = {
        {"/x/conf", "/x/conf/zembril/preferences.json"},
        {nullptr, "/home/u/.config/zembril/preferences.json"},
        {"", "/home/u/.config/zembril/preferences.json"},
        {"relative/conf", "/home/u/.config/zembril/preferences.json"},
    };
    ::setenv("HOME", "/home/u", 1);
    for (const auto& [configHome, expected] : cases) {
        SCOPED_TRACE(configHome == nullptr ? "unset" : configHome);
        if (configHome == nullptr) {
            ::unsetenv("XDG_CONFIG_HOME");
        } else {
            ::setenv("XDG_CONFIG_HOME", configHome, 1);
        }
        EXPECT_EQ(FileDefaultsStore::defaultPath(), expected);
    }
}

}  // namespace
}  // namespace platform
