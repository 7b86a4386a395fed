// Loading a large file, 10,000 edits spread over it, undoing and redoing all of them, and
// saving it, for files of 10,000 to 1,000,000 lines.
#include "editor/apply_edit.h"
#include "editor/buffer_files.h"
#include "editor/editor_session.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <unistd.h>

namespace {

constexpr int kEdits = 10000;

struct BenchFile {
    explicit BenchFile(int lines) {
        char pattern[] = "/tmp/zped-bench-XXXXXX";
        int fd = mkstemp(pattern);
        close(fd);
        path = pattern;
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < lines; ++i)
            out << "    signal s" << i << " : std_logic_vector(7 downto 0); -- line " << i
                << "\r\n";
    }
    ~BenchFile() { std::remove(path.c_str()); }
    std::string path;
};

// One in ten edits breaks a line, one in ten joins two; the rest change text inside a line.
void edit_spread(zped::EditBuffer& b, std::mt19937& rng) {
    for (int i = 0; i < kEdits; ++i) {
        int line = static_cast<int>(rng() % static_cast<unsigned>(b.line_count() - 1));
        int column = static_cast<int>(rng() % static_cast<unsigned>(b.line_length(line) + 1));
        zped::TextPosition at{line, column};
        switch (i % 10) {
        case 0:
            zped::ApplyEdit(b, at, at, "\n", {line + 1, 0}, {},
                            zped::SelectionRequest::empty_at({line + 1, 0}));
            break;
        case 1:
            zped::ApplyEdit(b, {line, b.line_length(line)}, {line + 1, 0}, "", at, {},
                            zped::SelectionRequest::empty_at(at));
            break;
        case 2:
            zped::ApplyEdit(b, {line, 0}, {line, std::min(4, b.line_length(line))}, "", {line, 0},
                            {}, {});
            break;
        default:
            zped::ApplyEdit(b, at, at, "x", {line, column + 1}, {},
                            zped::SelectionRequest::empty_at({line, column + 1}));
        }
    }
}

// Phase 0 times the load, 1 the edits, 2 undoing and redoing all of them, 3 the save; the
// other steps of an iteration run with the clock stopped.
void run_phase(benchmark::State& state, int phase) {
    int lines = static_cast<int>(state.range(0));
    BenchFile file(lines);
    zped::Settings settings("/nonexistent/zped.ini", "/tmp");
    std::unique_ptr<zped::EditorSession> session;
    for (auto _ : state) {
        state.PauseTiming();
        session.reset();
        session = std::make_unique<zped::EditorSession>(settings);
        if (phase == 0) state.ResumeTiming();
        zped::EditBuffer* b =
            zped::LoadBuffer(*session, file.path, false, false, zped::kEditWindow);
        if (phase == 0) continue;
        std::mt19937 rng(7);
        if (phase == 1) state.ResumeTiming();
        edit_spread(*b, rng);
        if (phase == 1) continue;
        state.ResumeTiming();
        if (phase == 2) {
            while (zped::UndoEdit(*b) == 0) {
            }
            while (zped::RedoEdit(*b) == 0) {
            }
        } else {
            b->modified = true;
            zped::SaveBuffer(*session, *b, nullptr);
        }
    }
    state.counters["lines"] = lines;
}

void BM_Load(benchmark::State& state) {
    run_phase(state, 0);
}
void BM_Edits(benchmark::State& state) {
    run_phase(state, 1);
}
void BM_UndoRedoAll(benchmark::State& state) {
    run_phase(state, 2);
}
void BM_Save(benchmark::State& state) {
    run_phase(state, 3);
}

BENCHMARK(BM_Load)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Edits)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UndoRedoAll)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
