// Time to read "zeph.ini" into Settings and to write them back (start-up, "load-settings",
// "save-settings" and exit), and to split a command line of the shell.
#include "foundation/command_words.h"
#include "foundation/ini_document.h"
#include "shell/settings_io.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

// A full settings file plus `extra` keys of another tool and a package list.
std::string settings_text(int extra) {
    zeph::IniDocument doc;
    zeph::Settings s;
    for (int i = 0; i < 20; ++i)
        s.packages.push_back({"ieee", "pkg" + std::to_string(i), "ALL", i % 2 == 0, "p.vhd"});
    zeph::write_settings(s, doc);
    for (int i = 0; i < extra; ++i)
        doc.set("OtherTool", "Key" + std::to_string(i), "value");
    return doc.text();
}

void BM_ReadSettings(benchmark::State& state) {
    std::string text = settings_text(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        zeph::IniDocument doc = zeph::IniDocument::parse(text);
        benchmark::DoNotOptimize(zeph::read_settings(doc));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadSettings)->Arg(0)->Arg(1000);

void BM_WriteSettings(benchmark::State& state) {
    std::string text = settings_text(static_cast<int>(state.range(0)));
    zeph::IniDocument doc = zeph::IniDocument::parse(text);
    zeph::Settings s = zeph::read_settings(doc);
    for (auto _ : state) {
        zeph::write_settings(s, doc);
        benchmark::DoNotOptimize(doc.text());
    }
}
BENCHMARK(BM_WriteSettings)->Arg(0)->Arg(1000);

void BM_SplitCommandLine(benchmark::State& state) {
    const std::string line =
        "answer \"C:\\designs\\my project.vdp\" \"\"\"quoted\"\"\" word # note";
    for (auto _ : state)
        benchmark::DoNotOptimize(zeph::split_command_words(line));
}
BENCHMARK(BM_SplitCommandLine);

} // namespace
