// The grid's sections are rebuilt on the main thread after every keystroke that changes the
// query, with the stored recents of a picker in daily use.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "catalogue/EmojiDataStore.h"
#include "catalogue/EmojiGrid.h"

namespace {

constexpr std::size_t recentCount = 18;

const std::vector<EmojiEntry>& catalogue() {
    static const std::vector<EmojiEntry> entries = EmojiDataStore::load(ZEMBRIL_CATALOGUE_PATH);
    return entries;
}

// Spread through the whole catalogue, so that resolving them does not stop early.
std::vector<std::string> recentEmoji(const std::vector<EmojiEntry>& entries) {
    std::vector<std::string> recents;
    for (std::size_t i = 0; i < recentCount; ++i) {
        recents.push_back(entries[(2 * i + 1) * entries.size() / (2 * recentCount)].emoji());
    }
    return recents;
}

void sections(benchmark::State& state, const std::string& query) {
    const std::vector<EmojiEntry>& entries = catalogue();
    if (entries.empty()) {
        state.SkipWithError("the catalogue did not load");
        return;
    }
    const std::vector<std::string> recents = recentEmoji(entries);
    for (auto _ : state) {
        std::vector<GridSection> result = EmojiGrid::sections(query, recents, entries);
        benchmark::DoNotOptimize(result);
    }
}

[[maybe_unused]] const bool registered = [] {
    for (const std::string query : {"", "c", "cat", "face", "smiling cat", "\u00FC"}) {
        benchmark::RegisterBenchmark(("BM_Sections/" + query).c_str(), sections, query)
            ->Unit(benchmark::kMicrosecond);
    }
    return true;
}();

}  // namespace
