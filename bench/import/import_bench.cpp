// Speed of the VHDL import on a file of about 40,000 lines and 850 KB: the parse alone and
// the whole import into a scratch project (parse, log, take-over with its directories and
// HDL files), in bytes per second.
#include "generated_vhdl.h"
#include "import/import_log.h"
#include "import/import_vhdl.h"
#include "import/source_text.h"
#include "import/vhdl_parser.h"
#include "ui/scripted_platform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

using namespace zeph;

constexpr int kEntities = 770; // 40,037 lines, 872 KB

const std::string& source_text() {
    static const std::string text = bench::generated_vhdl(kEntities);
    return text;
}

void BM_ParseOnly(benchmark::State& state) {
    const std::string& text = source_text();
    for (auto _ : state) {
        ui::ScriptedPlatform platform;
        vhdl::SourceText source(text);
        vhdl::ImportLog log(platform);
        vhdl::ParseOptions options;
        options.vhdl93 = true;
        options.file_name = "bench.vhd";
        vhdl::ParsedFile parsed = vhdl::parse_vhdl(source, log, options);
        benchmark::DoNotOptimize(parsed.units.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ParseOnly)->Unit(benchmark::kMillisecond);

void BM_WholeImport(benchmark::State& state) {
    const std::string& text = source_text();
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "zeph-import-bench";
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "bench.vhd", std::ios::binary) << text;
    int run = 0;
    for (auto _ : state) {
        // A fresh project each time; all are removed at the end, because ext4 creates inodes
        // slowly right after many were deleted.
        state.PauseTiming();
        std::filesystem::path project = dir / ("p" + std::to_string(run++) + ".vdp");
        std::filesystem::create_directories(project / "work");
        ui::ScriptedPlatform platform;
        Design design;
        design.vhdl93 = true;
        state.ResumeTiming();
        vhdl::ImportOutcome outcome =
            vhdl::import_vhdl_file((dir / "bench.vhd").string(), design, project, platform, {});
        if (outcome.taken_over != kEntities) state.SkipWithError("entities missing");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_WholeImport)->Unit(benchmark::kMillisecond);

} // namespace
