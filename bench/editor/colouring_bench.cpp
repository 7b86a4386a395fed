// Colouring a 1,000,000-line VHDL file with the shipped VHDL definition: every line once (the
// whole file), and one screen of 50 lines at a time (what a repaint after scrolling costs).
#include "editor/language_file.h"
#include "editor/line_colouring.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr int kLines = 1000000;

// Lines of an ordinary VHDL file, repeated with changing names.
const char* const kPattern[] = {
    "library ieee;",
    "use ieee.std_logic_1164.all;",
    "use ieee.numeric_std.all;",
    "-- Counter with synchronous load and enable",
    "entity counter_%d is",
    "    generic (WIDTH : natural := 8);",
    "    port (clk, reset, load, enable : in std_logic;",
    "          d : in  std_logic_vector(WIDTH - 1 downto 0);",
    "          q : out std_logic_vector(WIDTH - 1 downto 0));",
    "end counter_%d;",
    "architecture rtl of counter_%d is",
    "    signal count : unsigned(WIDTH - 1 downto 0); -- the register",
    "begin",
    "    process (clk, reset)",
    "    begin",
    "        if reset = '1' then",
    "            count <= (others => '0');",
    "        elsif clk'event and clk = '1' then",
    "            if load = '1' then count <= unsigned(d);",
    "            elsif enable = '1' then count <= count + 1; end if;",
    "            assert count /= 255 report \"counter %d wraps\" severity note;",
    "        end if;",
    "    end process;",
    "    q <= std_logic_vector(count);",
    "end rtl;",
    "",
};

std::vector<std::string> vhdl_file() {
    std::vector<std::string> lines;
    lines.reserve(kLines);
    const int pattern = static_cast<int>(sizeof kPattern / sizeof kPattern[0]);
    char line[300];
    for (int i = 0; i < kLines; ++i) {
        std::snprintf(line, sizeof line, kPattern[i % pattern], i / pattern);
        lines.emplace_back(line);
    }
    return lines;
}

zped::Language vhdl_language() {
    zped::Language language;
    language.name = "VHDL";
    language.line_comment = "--";
    language.case_sensitive = false;
    std::ifstream in(std::string(ZEPH_SOURCE_DIR) + "/examples/zped/vhdl.lsf");
    std::stringstream text;
    text << in.rdbuf();
    zped::read_language_file(text.str(), language);
    return language;
}

void BM_ColourEveryLine(benchmark::State& state) {
    const std::vector<std::string> lines = vhdl_file();
    const zped::Language language = vhdl_language();
    std::vector<zped::ColourRun> runs;
    std::size_t total = 0;
    for (auto _ : state) {
        for (const std::string& line : lines) {
            zped::colour_line(language, line, runs);
            total += runs.size();
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * kLines);
    // Shown with an SI prefix: "265n" is 265 ns per line.
    state.counters["seconds_per_line"] = benchmark::Counter(
        kLines, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ColourEveryLine)->Unit(benchmark::kMillisecond);

void BM_ColourOneScreen(benchmark::State& state) {
    const std::vector<std::string> lines = vhdl_file();
    const zped::Language language = vhdl_language();
    std::vector<zped::ColourRun> runs;
    std::mt19937 rng(1);
    constexpr int kScreen = 50;
    for (auto _ : state) {
        int top = static_cast<int>(rng() % (kLines - kScreen));
        for (int i = top; i < top + kScreen; ++i)
            zped::colour_line(language, lines[static_cast<std::size_t>(i)], runs);
        benchmark::DoNotOptimize(runs.data());
    }
}
BENCHMARK(BM_ColourOneScreen)->Unit(benchmark::kMicrosecond);

} // namespace
