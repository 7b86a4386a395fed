// Whole processes on a 1,000,000-line, 50 MB file: `zped --batch` loading and saving it against
// `vim -es -c wq` doing the same. Each iteration starts the program and waits for it; the time is
// wall-clock time and `peak_MB` the largest resident size the program reached. At the end the
// ratios zped/vim are printed. Build in Release for figures worth quoting; without vim only the
// zped half runs.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kLines = 1000000;
constexpr int kLineBytes = 50; // with its line feed

// The file and the zped settings live in one temporary directory for the whole run.
struct Workspace {
    Workspace() {
        char pattern[] = "/tmp/zped-process-bench-XXXXXX";
        dir = mkdtemp(pattern) ? pattern : "/tmp";
        file = dir + "/big.vhd";
        script = dir + "/save.zped";
        std::ofstream out(file, std::ios::binary);
        std::string line;
        for (int i = 0; i < kLines; ++i) {
            line = "    signal s" + std::to_string(i) + " : std_logic_vector(7 downto 0); -- ";
            line.resize(kLineBytes - 1, 'x');
            out << line << '\n';
        }
        std::ofstream(script) << "SaveFile\n";
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    std::string dir, file, script;
};

Workspace& workspace() {
    static Workspace w;
    return w;
}

struct Run {
    bool started = false;
    int status = -1;
    long peak_kb = 0;
};

// Starts a program with its output thrown away and waits for it.
Run run_program(const std::vector<std::string>& argv, const std::vector<std::string>& env) {
    Run run;
    pid_t pid = fork();
    if (pid < 0) return run;
    if (pid == 0) {
        int null = open("/dev/null", O_RDWR);
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        for (const std::string& e : env)
            putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> args;
        for (const std::string& a : argv)
            args.push_back(const_cast<char*>(a.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) < 0) return run;
    run.started = !(WIFEXITED(status) && WEXITSTATUS(status) == 127);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peak_kb = usage.ru_maxrss;
    return run;
}

struct Figures {
    double seconds = 0;
    double peak_mb = 0;
};
Figures zped_figures, vim_figures;

void measure(benchmark::State& state, const std::vector<std::string>& argv,
             const std::vector<std::string>& env, Figures& figures) {
    Workspace& w = workspace();
    long peak = 0;
    double total = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        Run run = run_program(argv, env);
        total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (!run.started || run.status != 0) {
            state.SkipWithError((argv[0] + " did not run").c_str());
            return;
        }
        peak = std::max(peak, run.peak_kb);
    }
    figures.seconds = total / static_cast<double>(state.iterations());
    figures.peak_mb = static_cast<double>(peak) / 1024.0;
    state.counters["peak_MB"] = figures.peak_mb;
    state.counters["file_MB"] =
        static_cast<double>(std::filesystem::file_size(w.file)) / (1024.0 * 1024.0);
}

void BM_ZpedBatchLoadSave(benchmark::State& state) {
    Workspace& w = workspace();
    measure(state, {ZPED_PROGRAM, "--batch", w.script, w.file},
            {"XDG_CONFIG_HOME=" + w.dir, "XDG_STATE_HOME=" + w.dir}, zped_figures);
}

void BM_VimExLoadSave(benchmark::State& state) {
    Workspace& w = workspace();
    measure(state, {"vim", "-es", "-c", "wq", w.file}, {}, vim_figures);
}

BENCHMARK(BM_ZpedBatchLoadSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_VimExLoadSave)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (zped_figures.seconds > 0 && vim_figures.seconds > 0)
        std::printf("zped/vim: time %.2fx (goal at most 1.2x), peak memory %.2fx (goal at most "
                    "1.5x)\n",
                    zped_figures.seconds / vim_figures.seconds,
                    zped_figures.peak_mb / vim_figures.peak_mb);
    return 0;
}
