// Writes preferences from a process of its own, for the tests that run several writers at once
// or kill one in the middle of a write.
//
//   preferences_writer <file> churn
//       stores "marker", then rewrites "items" and "round" together without end: round i
//       stores i % 9 copies of the decimal text of i, and i. Writes one byte to standard output
//       once the first round is stored.
//   preferences_writer <file> count <key> <n>
//       stores 1, 2, ... n under <key>, checking before each write that the previous one is
//       still there; exits with status 3 as soon as another writer has lost it.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/linux/FileDefaultsStore.h"

namespace {

[[noreturn]] void churn(platform::FileDefaultsStore& store) {
    store.setString("marker", "kept");
    for (std::int64_t round = 0;; ++round) {
        const auto count = static_cast<std::size_t>(round % 9);
        store.setObjects(
            {{"items", platform::StringArray(count, std::to_string(round))}, {"round", round}});
        if (round == 0) {
            const char started = 's';
            if (::write(STDOUT_FILENO, &started, 1) != 1) {
                std::exit(4);
            }
        }
    }
}

int count(platform::FileDefaultsStore& store, const std::string& key, std::int64_t last) {
    for (std::int64_t value = 1; value <= last; ++value) {
        if (store.integer(key) != value - 1) {
            return 3;
        }
        store.setInteger(key, value);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        return 2;
    }
    platform::FileDefaultsStore store(argv[1]);
    const std::string_view mode = argv[2];
    if (mode == "churn" && argc == 3) {
        churn(store);
    }
    if (mode == "count" && argc == 5) {
        return count(store, argv[3], std::stoll(argv[4]));
    }
    return 2;
}
