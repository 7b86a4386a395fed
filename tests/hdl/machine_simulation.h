// Generates every variant of a sample machine in VHDL and in Verilog, simulates all of them
// with one testbench per language (GHDL and Icarus Verilog) and gathers the traces.
#pragma once

#include "machine_testbench.h"

#include <filesystem>

namespace machine_hdl_test {

struct SimulationResult {
    bool ran = false;
    std::string failure;            // a tool that failed, with its output
    std::vector<std::string> names; // of the variants, by number
    std::map<int, Trace> vhdl;
    std::map<int, Trace> verilog;
    int refused = 0; // variants that verification refuses
    std::vector<std::string> refusals;
};

// The text of the variants in one language: the entity declarations and architectures in
// VHDL, the modules in Verilog.
std::string variant_text(Design& design, const Entity& entity, int language);

SimulationResult simulate_variants(Design& design, SampleMachine& sample,
                                   const std::vector<MachineVariant>& variants,
                                   const Stimulus& stimulus,
                                   const std::filesystem::path& directory);

} // namespace machine_hdl_test
