// The catalogue is read and decoded on the main thread when the picker first opens.

#include <benchmark/benchmark.h>

#include <vector>

#include "catalogue/EmojiDataStore.h"

namespace {

void BM_CatalogueLoad(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<EmojiEntry> entries = EmojiDataStore::load(ZEMBRIL_CATALOGUE_PATH);
        if (entries.empty()) {
            state.SkipWithError("the catalogue did not load");
            return;
        }
        // The program keeps its catalogue for good: freeing it is no part of the cost.
        state.PauseTiming();
        entries = {};
        state.ResumeTiming();
    }
}

BENCHMARK(BM_CatalogueLoad)->Unit(benchmark::kMillisecond);

}  // namespace
