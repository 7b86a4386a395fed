// Testbenches of machine variants in VHDL 93 and Verilog, and the traces they print.
#include "machine_testbench.h"

#include "foundation/strings.h"

#include <random>
#include <sstream>

namespace machine_hdl_test {

namespace {
bool pulse_before_edge(const MachineVariant& v) {
    return v.transition_actions != kActionsClocked;
}

char active(const SampleMachine& sample) {
    return sample.active_low ? '0' : '1';
}
char inactive(const SampleMachine& sample) {
    return sample.active_low ? '1' : '0';
}
} // namespace

Stimulus make_stimulus(const SampleMachine& sample, int cycles, unsigned seed,
                       const std::map<std::string, std::string>& given) {
    Stimulus stimulus;
    stimulus.cycles = cycles;
    std::mt19937 random(seed);
    for (const std::string& input : sample.inputs) {
        std::string values;
        auto found = given.find(input);
        if (found != given.end())
            values = found->second.substr(0, static_cast<std::size_t>(cycles));
        // Rarely set inputs (a clear) stay rare, so that the machine gets somewhere.
        bool rare = input == "clear" || input == "stop";
        while (static_cast<int>(values.size()) < cycles)
            values += random() % (rare ? 6 : 2) == 0 ? '1' : '0';
        stimulus.inputs[input] = values;
    }
    return stimulus;
}

std::string vhdl_testbench(const SampleMachine& sample, const std::vector<BenchUnit>& units,
                           const Stimulus& stimulus) {
    std::ostringstream tb;
    int last = stimulus.cycles - 1;
    tb << "USE std.textio.ALL ;\nENTITY tb IS END tb ;\nARCHITECTURE sim OF tb IS\n";
    tb << "  SIGNAL clk_r : Bit := '0' ;\n  SIGNAL clk_f : Bit := '1' ;\n";
    tb << "  SIGNAL rst : Bit := '" << inactive(sample) << "' ;\n";
    for (const std::string& input : sample.inputs) {
        tb << "  SIGNAL " << input << " : Bit := '0' ;\n";
        tb << "  CONSTANT " << input << "_seq : Bit_Vector(0 TO " << last << ") := \""
           << stimulus.inputs.at(input) << "\" ;\n";
    }
    for (std::size_t u = 0; u < units.size(); ++u) {
        tb << format_text("  SIGNAL o_%zu : Bit_Vector(%d DOWNTO 0) ;\n", u, sample.width - 1);
        tb << format_text("  SIGNAL p_%zu, r_%zu : Bit ;\n", u, u);
    }
    tb << "BEGIN\n";
    for (std::size_t u = 0; u < units.size(); ++u) {
        const char* clock = units[u].variant.clock_edge == kClockFallingEdge ? "clk_f" : "clk_r";
        tb << format_text("  u_%zu : ENTITY work.%s PORT MAP (clk => %s, rst => rst", u,
                          units[u].entity.c_str(), clock);
        for (const std::string& input : sample.inputs)
            tb << ", " << input << " => " << input;
        tb << format_text(", o => o_%zu, p => p_%zu", u, u);
        if (sample.reset_output) tb << format_text(", r => r_%zu", u);
        tb << ") ;\n";
    }
    tb << "  stimulus : PROCESS\n    VARIABLE l : line ;\n";
    for (std::size_t u = 0; u < units.size(); ++u)
        tb << format_text("    VARIABLE before_%zu : Bit ;\n", u);
    tb << "  BEGIN\n";
    tb << "    WAIT FOR 1 ns ; rst <= '" << active(sample) << "' ;\n";
    tb << "    WAIT FOR 1 ns ; rst <= '" << inactive(sample) << "' ;\n    WAIT FOR 1 ns ;\n";
    tb << "    FOR k IN 0 TO " << last << " LOOP\n";
    for (const std::string& input : sample.inputs)
        tb << "      " << input << " <= " << input << "_seq(k) ;\n";
    tb << "      WAIT FOR 4 ns ;\n";
    for (std::size_t u = 0; u < units.size(); ++u)
        tb << format_text("      before_%zu := p_%zu ;\n", u, u);
    tb << "      WAIT FOR 1 ns ; clk_r <= '1' ; clk_f <= '0' ;\n      WAIT FOR 1 ns ;\n";
    for (std::size_t u = 0; u < units.size(); ++u) {
        tb << format_text("      write(l, %zu) ; write(l, string'(\" \")) ; write(l, k) ;\n", u);
        tb << format_text("      write(l, string'(\" \")) ; write(l, o_%zu) ;\n", u);
        const char* pulse = pulse_before_edge(units[u].variant) ? "before" : "p";
        tb << format_text("      write(l, string'(\" \")) ; write(l, %s_%zu) ;\n", pulse, u);
        if (sample.reset_output)
            tb << format_text("      write(l, string'(\" \")) ; write(l, r_%zu) ;\n", u);
        tb << "      writeline(output, l) ;\n";
    }
    tb << "      WAIT FOR 2 ns ; clk_r <= '0' ; clk_f <= '1' ;\n      WAIT FOR 2 ns ;\n";
    tb << "    END LOOP ;\n    WAIT ;\n  END PROCESS ;\nEND sim ;\n";
    return tb.str();
}

std::string verilog_testbench(const SampleMachine& sample, const std::vector<BenchUnit>& units,
                              const Stimulus& stimulus) {
    std::ostringstream tb;
    int n = stimulus.cycles;
    tb << "module tb ;\n  reg clk_r, clk_f, rst ;\n  integer k ;\n";
    for (const std::string& input : sample.inputs)
        tb << "  reg " << input << " ;\n  reg [" << n - 1 << ":0] " << input << "_seq ;\n";
    for (std::size_t u = 0; u < units.size(); ++u) {
        tb << format_text("  wire [%d:0] o_%zu ;\n  wire p_%zu, r_%zu ;\n  reg before_%zu ;\n",
                          sample.width - 1, u, u, u, u);
        const char* clock = units[u].variant.clock_edge == kClockFallingEdge ? "clk_f" : "clk_r";
        tb << format_text("  %s u_%zu (.clk(%s), .rst(rst)", units[u].entity.c_str(), u, clock);
        for (const std::string& input : sample.inputs)
            tb << ", ." << input << "(" << input << ")";
        tb << format_text(", .o(o_%zu), .p(p_%zu)", u, u);
        if (sample.reset_output) tb << format_text(", .r(r_%zu)", u);
        tb << ") ;\n";
    }
    tb << "  initial begin\n";
    for (const std::string& input : sample.inputs) {
        // Bit k of the vector is cycle k.
        std::string values(stimulus.inputs.at(input).rbegin(), stimulus.inputs.at(input).rend());
        tb << "    " << input << "_seq = " << n << "'b" << values << " ;\n    " << input
           << " = 0 ;\n";
    }
    tb << "    clk_r = 0 ; clk_f = 1 ; rst = " << inactive(sample) << " ;\n";
    tb << "    #1 rst = " << active(sample) << " ;\n    #1 rst = " << inactive(sample)
       << " ;\n    #1 ;\n";
    tb << "    for (k = 0 ; k < " << n << " ; k = k + 1) begin\n";
    for (const std::string& input : sample.inputs)
        tb << "      " << input << " = " << input << "_seq[k] ;\n";
    tb << "      #4 ;\n";
    for (std::size_t u = 0; u < units.size(); ++u)
        tb << format_text("      before_%zu = p_%zu ;\n", u, u);
    tb << "      #1 clk_r = 1 ; clk_f = 0 ;\n      #1 ;\n";
    for (std::size_t u = 0; u < units.size(); ++u) {
        const char* pulse = pulse_before_edge(units[u].variant) ? "before" : "p";
        if (sample.reset_output)
            tb << format_text("      $display(\"%%0d %%0d %%b %%b %%b\", %zu, k, o_%zu, %s_%zu, "
                              "r_%zu) ;\n",
                              u, u, pulse, u, u);
        else
            tb << format_text("      $display(\"%%0d %%0d %%b %%b\", %zu, k, o_%zu, %s_%zu) ;\n", u,
                              u, pulse, u);
    }
    tb << "      #2 clk_r = 0 ; clk_f = 1 ;\n      #2 ;\n    end\n    $finish ;\n  "
          "end\nendmodule\n";
    return tb.str();
}

std::map<int, Trace> parse_traces(const std::string& output) {
    std::map<int, Trace> traces;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream words(line);
        int variant = 0, cycle = 0;
        if (line.empty() || line[0] < '0' || line[0] > '9') continue;
        if (!(words >> variant >> cycle)) continue;
        std::string rest;
        std::getline(words, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        Trace& trace = traces[variant];
        if (static_cast<int>(trace.size()) == cycle) trace.push_back(rest);
    }
    return traces;
}

std::optional<std::string> first_difference(const Trace& expected, const Trace& actual) {
    std::size_t n = std::min(expected.size(), actual.size());
    for (std::size_t k = 0; k < n; ++k)
        if (expected[k] != actual[k])
            return format_text("cycle %zu: expected '%s', got '%s'", k, expected[k].c_str(),
                               actual[k].c_str());
    if (expected.size() != actual.size())
        return format_text("cycle %zu: expected %zu cycles, got %zu", n, expected.size(),
                           actual.size());
    return std::nullopt;
}

} // namespace machine_hdl_test
