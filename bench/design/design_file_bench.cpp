// Writing and reading a generated design of 1,000 entities, 10,000 components and 100,000
// wire segments, and of ten times that: the time must grow no faster than the design.
#include "design/block_diagram.h"
#include "design/design_file.h"
#include "foundation/clock.h"
#include "support/design_generator.h"

#include <benchmark/benchmark.h>

namespace {

using namespace zeph;

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

std::size_t segments_of(const Entity& entity) {
    std::size_t count = 0;
    for (auto& architecture : entity.architectures)
        if (architecture->block_diagram)
            for (auto& net : architecture->block_diagram->nets)
                count += net->horizontal.size() + net->vertical.size();
    return count + (entity.testbench ? segments_of(*entity.testbench) : 0);
}

void BM_WriteDesign(benchmark::State& state) {
    Design design;
    if (read_design_text(design_text(static_cast<int>(state.range(0))), design) != 0) {
        state.SkipWithError("the generated design did not read");
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = design_file_text(design);
        bytes += text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}
BENCHMARK(BM_WriteDesign)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_ReadDesign(benchmark::State& state) {
    const std::string& text = design_text(static_cast<int>(state.range(0)));
    std::size_t segments = 0;
    for (auto _ : state) {
        Design design;
        if (read_design_text(text, design) != 0) {
            state.SkipWithError("the generated design did not read");
            return;
        }
        state.PauseTiming();
        segments = 0;
        for (auto& entity : design.entities)
            segments += segments_of(*entity);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    state.counters["segments"] = static_cast<double>(segments);
    state.counters["megabytes"] = static_cast<double>(text.size()) / 1e6;
}
BENCHMARK(BM_ReadDesign)->Arg(1)->Arg(2)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond);

} // namespace
