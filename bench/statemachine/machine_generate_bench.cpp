// HDL text of the verification benchmark's design (machine_bench_design.h): M machines of 200
// states and 1,000 transitions, verified once, then written as VHDL and as Verilog, entity and
// architecture (module) each. The figure is bytes of text per second.
#include "machine_bench_design.h"

#include "blockdiagram/verify_run.h"
#include "design/report.h"
#include "hdl/architecture_text.h"
#include "hdl/hdl_context.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"
#include "shell/machine_verify_hooks.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace zeph {
namespace {

using namespace machine_bench;

void generate(benchmark::State& state, int language) {
    ui::ScriptedPlatform platform;
    std::unique_ptr<Design> design = make_design(static_cast<int>(state.range(0)));
    design->target_language = language;
    design->language_checking = language;
    VerifyOptions options;
    add_state_machine_checks(options.hooks, *design);
    Report report(platform);
    verify_design(*design, options, report);
    HdlContext context(*design, platform);
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        for (const auto& entity : design->entities) {
            const Architecture& body = *entity->architectures.front();
            if (language == 2) {
                write_module(out, context, *entity, body);
            } else {
                write_entity_declaration(out, context, *entity);
                write_architecture(out, context, *entity, body);
            }
        }
        bytes += out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["errors"] = report.errors();
    state.counters["bytes_per_design"] =
        static_cast<double>(bytes) / static_cast<double>(state.iterations());
}

void BM_GenerateVhdl(benchmark::State& state) {
    generate(state, 1);
}
void BM_GenerateVerilog(benchmark::State& state) {
    generate(state, 2);
}
BENCHMARK(BM_GenerateVhdl)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateVerilog)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace zeph
