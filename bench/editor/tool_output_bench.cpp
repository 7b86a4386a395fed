// Compiler output into the result window: pieces of 256 bytes appended and followed by an empty
// ApplyEdit each, then the error list built, for outputs of 10,000 to 1,000,000 lines; and a
// whole run of a real program (cat) writing such an output through the pipe.
#include "editor/apply_edit.h"
#include "editor/editor_session.h"
#include "editor/error_list.h"
#include "editor/program_run.h"
#include "editor/scripted_editor_ui.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

namespace {

// GHDL-like output: a message line and its two excerpt lines per reported source line.
std::string compiler_output(int lines) {
    std::string text;
    for (int i = 0; i < lines / 3; ++i) {
        text += "top.vhd:" + std::to_string(i + 1) + ":14: no declaration for \"sig" +
                std::to_string(i) + "\"\n";
        text += "  y <= a and sig" + std::to_string(i) + ";\n";
        text += "             ^\n";
    }
    return text;
}

void BM_ResultWindowTakesOutput(benchmark::State& state) {
    std::string output = compiler_output(static_cast<int>(state.range(0)));
    std::size_t entries = 0;
    for (auto _ : state) {
        zped::EditBuffer window;
        window.set_lines({"", "GHDL analysis", "", ""});
        window.read_only = true;
        zped::InitHistory(window);
        for (std::size_t at = 0; at < output.size(); at += zped::kOutputPiece) {
            zped::append_output(window, std::string_view(output).substr(at, zped::kOutputPiece));
            zped::TextPosition end = window.end_of_text();
            zped::ApplyEdit(window, end, end, "", end, {}, zped::SelectionRequest::empty_at(end));
        }
        entries = zped::build_error_list(window, zped::ErrorParser::Ghdl, "top.vhd").size();
        benchmark::DoNotOptimize(entries);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(output.size()));
    state.counters["entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_ResultWindowTakesOutput)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

void BM_RealProgramRun(benchmark::State& state) {
    char pattern[] = "/tmp/zped-bench-XXXXXX";
    int fd = mkstemp(pattern);
    close(fd);
    std::string output = compiler_output(static_cast<int>(state.range(0)));
    std::ofstream(pattern, std::ios::binary) << output;

    zped::ScriptedEditorUi ui;
    zped::set_editor_ui(&ui);
    zped::Settings settings("/nonexistent/zped.ini", "/tmp");
    zped::EditorSession session(settings);
    zped::ProgramRun run;
    run.title = "cat";
    run.command.argv = {"cat", pattern};
    run.command.text = "cat";
    run.parser = zped::ErrorParser::Ghdl;
    run.compiled_file = "top.vhd";
    for (auto _ : state)
        benchmark::DoNotOptimize(zped::run_program(session, run));
    zped::set_editor_ui(nullptr);
    std::remove(pattern);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(output.size()));
}
BENCHMARK(BM_RealProgramRun)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
