#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "TemporaryFolder.h"
#include "platform/linux/FileDefaultsStore.h"

namespace platform {
namespace {

using test::folderEntries;
using test::readBytes;

// A preferences_writer process, with a pipe from its standard output.
class Writer {
public:
    explicit Writer(std::vector<std::string> arguments)
        : process_(withProgram(ZEMBRIL_PREFERENCES_WRITER, std::move(arguments))) {}

    bool started() const { return process_.started(); }

    /// Blocks until the writer reports that it has begun; false when it ended instead.
    bool awaitReport() {
        char report = 0;
        return ::read(process_.output(), &report, 1) == 1;
    }

    /// The wait status once the process has ended.
    int wait() { return process_.wait(); }
    int kill() { return process_.kill(); }

private:
    static std::vector<std::string> withProgram(std::string program,
                                                std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), std::move(program));
        return arguments;
    }

    test::ChildProcess process_;
};

std::vector<std::string> leftovers(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& name : folderEntries(folder)) {
        if (name != "preferences.json" && name != "preferences.json.lock") {
            names.push_back(name);
        }
    }
    return names;
}

bool isTemporary(const std::string& name) {
    return name.starts_with("preferences.json.tmp-");
}

// One whole state of the churn writer: the marker, and the items and number of one round,
// written together.
void expectOneWholeState(const std::string& bytes) {
    const auto json = nlohmann::json::parse(bytes, nullptr, false);
    ASSERT_TRUE(json.is_object()) << bytes;
    EXPECT_EQ(json.value("marker", ""), "kept") << bytes;
    const auto& items = json.at("items");
    ASSERT_TRUE(items.is_array()) << bytes;
    const auto round = json.at("round").get<std::uint64_t>();
    EXPECT_EQ(items, nlohmann::json(std::vector<std::string>(round % 9, std::to_string(round))))
        << bytes;
}

TEST(FileDefaultsStoreProcessTest, AKilledWriterLeavesOneWholeState) {
    test::TemporaryFolder temporary;
    const auto folder = temporary.path() / "zembril";
    const auto file = folder / "preferences.json";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> delayMicroseconds(0, 4000);

    for (int round = 0; round < 30; ++round) {
        SCOPED_TRACE(round);
        Writer writer({file.string(), "churn"});
        ASSERT_TRUE(writer.started());
        ASSERT_TRUE(writer.awaitReport());
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        const int status = writer.kill();
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);

        expectOneWholeState(readBytes(file));
        for (const auto& name : leftovers(folder)) {
            EXPECT_TRUE(isTemporary(name)) << name;
        }
    }

    FileDefaultsStore(file).setBool("done", true);
    EXPECT_EQ(leftovers(folder), std::vector<std::string>{});
    expectOneWholeState(readBytes(file));
}

TEST(FileDefaultsStoreProcessTest, ConcurrentWritersLoseNoWrite) {
    test::TemporaryFolder temporary;
    const auto file = temporary.path() / "zembril" / "preferences.json";

    Writer first({file.string(), "count", "first", "50"});
    Writer second({file.string(), "count", "second", "50"});
    ASSERT_TRUE(first.started() && second.started());
    for (Writer* writer : {&first, &second}) {
        const int status = writer->wait();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const FileDefaultsStore store(file);
    EXPECT_EQ(store.integer("first"), 50);
    EXPECT_EQ(store.integer("second"), 50);
    EXPECT_EQ(leftovers(file.parent_path()), std::vector<std::string>{});
}

}  // namespace
}  // namespace platform
