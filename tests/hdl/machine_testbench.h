// A small testbench generator for the simulation of generated machines. Many variants of one
// machine are instances of one testbench, all driven by the same inputs: a rising-edge clock
// and a falling-edge clock whose active edges coincide, a reset pulse at the start, then one
// input vector per cycle. Each cycle every variant prints "VARIANT CYCLE O P [R]" just after
// the active edge; a pulse made by combinational transition actions is taken just before the
// edge, where it decides the transition, a clocked one just after it.
#pragma once

#include "sample_machines.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace machine_hdl_test {

struct BenchUnit {
    std::string entity; // the variant's entity or module name
    MachineVariant variant;
};

// Per input of the machine, its value in each cycle ('0' or '1').
struct Stimulus {
    int cycles = 0;
    std::map<std::string, std::string> inputs;
};

// The inputs given for the first cycles, then pseudo-random ones from the seed.
Stimulus make_stimulus(const SampleMachine& sample, int cycles, unsigned seed,
                       const std::map<std::string, std::string>& given = {});

std::string vhdl_testbench(const SampleMachine& sample, const std::vector<BenchUnit>& units,
                           const Stimulus& stimulus);
std::string verilog_testbench(const SampleMachine& sample, const std::vector<BenchUnit>& units,
                              const Stimulus& stimulus);

// The printed lines by variant: per cycle "O P [R]".
using Trace = std::vector<std::string>;
std::map<int, Trace> parse_traces(const std::string& output);
// Where two traces part: "cycle N: expected '...', got '...'", or nothing when equal.
std::optional<std::string> first_difference(const Trace& expected, const Trace& actual);

} // namespace machine_hdl_test
