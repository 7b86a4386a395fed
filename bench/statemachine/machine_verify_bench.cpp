// Whole-design verification of designs made of state machines (machine_bench_design.h). The
// machines are clean, so every check runs to its end. At M = 100 the design holds 20,000 states and
// 100,000 transitions; M = 1000 shows that the cost grows with M alone.
#include "machine_bench_design.h"

#include "blockdiagram/verify_run.h"
#include "design/report.h"
#include "shell/machine_verify_hooks.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace zeph {
namespace {

using namespace machine_bench;

void BM_VerifyMachines(benchmark::State& state) {
    ui::ScriptedPlatform platform;
    std::unique_ptr<Design> design = make_design(static_cast<int>(state.range(0)));
    VerifyOptions options;
    add_state_machine_checks(options.hooks, *design);
    Report report(platform);
    for (auto _ : state) {
        platform.clear_transcript();
        verify_design(*design, options, report);
        benchmark::DoNotOptimize(report.errors());
    }
    state.counters["states"] = static_cast<double>(state.range(0) * kStates);
    state.counters["transitions"] = static_cast<double>(state.range(0) * kStates * kExits);
    state.counters["errors"] = report.errors();
    state.counters["warnings"] = report.warnings();
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_VerifyMachines)
    ->Arg(100)
    ->Arg(300)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
} // namespace zeph
