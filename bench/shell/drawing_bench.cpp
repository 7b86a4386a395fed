// Drawing a block diagram by script, as a user's script draws it through the shell: n
// components of new entities in a grid, named as scripts name them ("add-component X Y u17
// e17"). Each name is checked against every component and entity before; ten times the
// drawing must cost no more than about ten times the time.
#include "console/console_shell.h"
#include "console/input_stream.h"
#include "shell/command_table.h"
#include "shell/session.h"
#include "shell/timers.h"
#include "ui/console_platform.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace zeph;

// The script: one "add-component X Y NAME ENTITY" per component, row by row.
std::vector<std::string> drawing_script(int components) {
    std::vector<std::string> lines;
    const int columns = 250;
    for (int i = 0; i < components; ++i) {
        int x = 1024 + 1536 * (i % columns);
        int y = 1024 + 1536 * (i / columns);
        std::string n = std::to_string(i);
        lines.push_back("add-component " + std::to_string(x) + " " + std::to_string(y) + " u" + n +
                        " e" + n);
    }
    return lines;
}

// A fresh untitled design in its own directory and a shell with the session's commands.
struct Drawing {
    explicit Drawing(const std::filesystem::path& directory) : input(-1, &timers) {
        std::filesystem::current_path(directory);
        console = std::make_unique<ui::ConsolePlatform>(input, output, false);
        session = std::make_unique<Session>(
            *console, timers, SessionOptions{(directory / "zeph.ini").string(), false, [] {}});
        Settings& settings = session->settings();
        settings.environment.designs = directory.string();
        settings.environment.backup_time = 0;
        settings.gui.max_undos = 50;
        session->settings_changed();
        shell = std::make_unique<Shell>(*console, input, timers, *session);
        add_session_commands(shell->commands());
        session->start_untitled();
    }

    Timers timers;
    InputStream input;
    std::ostringstream output;
    std::unique_ptr<ui::ConsolePlatform> console;
    std::unique_ptr<Session> session;
    std::unique_ptr<Shell> shell;
};

void BM_DrawComponentsByScript(benchmark::State& state) {
    const int components = static_cast<int>(state.range(0));
    std::vector<std::string> script = drawing_script(components);
    std::filesystem::path home = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "zeph-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        state.SkipWithError("no scratch directory");
        return;
    }
    std::filesystem::path scratch = pattern;
    int run = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::filesystem::path directory = scratch / std::to_string(run++);
        std::filesystem::create_directories(directory);
        auto drawing = std::make_unique<Drawing>(directory);
        state.ResumeTiming();
        bool drawn = true;
        for (const std::string& line : script)
            drawn = drawn && drawing->shell->execute_line(line);
        state.PauseTiming();
        drawing.reset();
        std::filesystem::current_path(home);
        state.ResumeTiming();
        if (!drawn) {
            state.SkipWithError("a command of the script failed");
            break;
        }
    }
    std::error_code ignored;
    std::filesystem::remove_all(scratch, ignored);
    state.counters["components"] = components;
    state.SetComplexityN(components);
}
BENCHMARK(BM_DrawComponentsByScript)
    ->Arg(640)
    ->Arg(6400)
    ->Arg(12800)
    ->Arg(25600)
    ->Arg(38400)
    ->Arg(51200)
    ->Arg(64000)
    ->MinWarmUpTime(1.0)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
