// Writing and reading a generated design of 1,000 entities, 10,000 components and 100,000
// wire segments, and of ten times that: the time must grow no faster than the design.
#include "design/block_diagram.h"
#include "design/design_file.h"
#include "foundation/clock.h"
#include "support/design_generator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include <sys/resource.h>

namespace {

using namespace zeph;

long minor_page_faults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// One generated design per scale, kept for all runs.
const std::string& design_text(int scale) {
    static std::string texts[11];
    std::string& text = texts[scale];
    if (text.empty()) {
        set_fixed_clock(std::time_t{0});
        testing::GeneratorOptions options;
        options.entities = 1'000 * scale;
        options.components = 10'000 * scale;
        options.segments = 100'000 * scale;
        Design design;
        testing::generate_design(design, 42, options);
        text = design_file_text(design);
    }
    return text;
}

// The fastest repetition: on a shared machine the others carry whatever else ran meanwhile.
double fastest(const std::vector<double>& times) {
    return *std::min_element(times.begin(), times.end());
}

// Opening a project reads a file that is not in the processor's caches; every read here
// starts so too. Without this the smaller designs would be read largely from the cache
// (design and text fit in it together) and the larger ones not, which measures the cache size
// rather than the reader.
void evict_caches() {
    static std::vector<char> sweep(std::size_t{128} << 20);
    static char round = 0;
    std::fill(sweep.begin(), sweep.end(), ++round);
    benchmark::DoNotOptimize(sweep.data());
    benchmark::ClobberMemory();
}

std::size_t segments_of(const Entity& entity) {
    std::size_t count = 0;
    for (auto& architecture : entity.architectures)
        if (architecture->block_diagram)
            for (auto& net : architecture->block_diagram->nets)
                count += net->horizontal.size() + net->vertical.size();
    return count + (entity.testbench ? segments_of(*entity.testbench) : 0);
}

// Writing the design file as a save writes it (to /dev/null here, so that the disk does not
// count).
void BM_WriteDesign(benchmark::State& state) {
    Design design;
    const std::string& text = design_text(static_cast<int>(state.range(0)));
    if (read_design_text(text, design) != 0) {
        state.SkipWithError("the generated design did not read");
        return;
    }
    std::FILE* sink = std::fopen("/dev/null", "wb");
    if (sink == nullptr) {
        state.SkipWithError("cannot open /dev/null");
        return;
    }
    for (auto _ : state)
        if (write_design_file(sink, design) != 0) state.SkipWithError("the design was not written");
    std::fclose(sink);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_WriteDesign)
    ->Arg(1)
    ->Arg(2)
    ->Arg(5)
    ->Arg(10)
    ->MinWarmUpTime(1.0)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);

// Reading the design file's text into a design. Freeing the design afterwards is not timed;
// every size is measured after a warm-up, so that no size pays the process's first use of
// its memory while another runs on memory that earlier iterations gave back.
void BM_ReadDesign(benchmark::State& state) {
    const std::string& text = design_text(static_cast<int>(state.range(0)));
    std::size_t segments = 0;
    // Reads reuse the heap of the reads before them; page faults would show a read that does
    // not (their cost here is far above a cache miss's).
    long page_faults = 0;
    for (auto _ : state) {
        long faults_before = minor_page_faults();
        auto design = std::make_unique<Design>();
        if (read_design_text(text, *design) != 0) {
            state.SkipWithError("the generated design did not read");
            return;
        }
        page_faults += minor_page_faults() - faults_before;
        state.PauseTiming();
        segments = 0;
        for (auto& entity : design->entities)
            segments += segments_of(*entity);
        design.reset();
        evict_caches();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["page_faults"] =
        static_cast<double>(page_faults) / static_cast<double>(state.iterations());
    state.counters["megabytes"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ReadDesign)
    ->Arg(1)
    ->Arg(2)
    ->Arg(5)
    ->Arg(10)
    ->MinWarmUpTime(1.0)
    ->ComputeStatistics("min", fastest)
    ->Unit(benchmark::kMillisecond);

} // namespace
