// Guarded allocation and free with many live blocks: the registry must keep both constant per
// operation (no linear scan), from ten thousand to a million live blocks.
#include "foundation/cwlist.h"
#include "foundation/cwmem.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

struct LiveBlocks {
    explicit LiveBlocks(long n) {
        if (!cwmem_initialised()) cwmem_init();
        blocks.reserve(static_cast<std::size_t>(n));
        for (long i = 0; i < n; ++i) blocks.push_back(cwmem_alloc(24));
    }
    ~LiveBlocks() {
        for (void* p : blocks) cwmem_free(p);
    }
    std::vector<void*> blocks;
};

void BM_AllocFreeWithLiveBlocks(benchmark::State& state) {
    LiveBlocks live(state.range(0));
    for (auto _ : state) {
        void* p = cwmem_alloc(24);
        benchmark::DoNotOptimize(p);
        cwmem_free(p);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_AllocFreeWithLiveBlocks)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

// A checked operation on one of the live blocks (membership test plus both guards).
void BM_SizeCheckWithLiveBlocks(benchmark::State& state) {
    LiveBlocks live(state.range(0));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(cwmem_size(live.blocks[i]));
        i = (i + 7919) % live.blocks.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SizeCheckWithLiveBlocks)->Arg(10'000)->Arg(100'000)->Arg(1'000'000);

void BM_ListAppendPopWithLiveBlocks(benchmark::State& state) {
    LiveBlocks live(state.range(0));
    CwList* list = cwlist_create(0, 0, 0);
    for (auto _ : state) {
        cwlist_append(list, 1);
        benchmark::DoNotOptimize(cwlist_pop_head(list));
    }
    cwlist_destroy(list);
}
BENCHMARK(BM_ListAppendPopWithLiveBlocks)->Arg(10'000)->Arg(1'000'000);

} // namespace
