// Variants in files, both simulators run over them.
#include "machine_simulation.h"

#include "hdl/architecture_text.h"
#include "hdl/hdl_context.h"
#include "hdl/verilog_module.h"
#include "hdl/vhdl_entity.h"
#include "ui/child_process.h"
#include "ui/scripted_platform.h"

#include <fstream>
#include <sstream>

namespace machine_hdl_test {

namespace {
void write(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

bool run(const std::vector<std::string>& argv, const std::filesystem::path& directory,
         std::string& output, std::string& failure) {
    ui::ChildResult result = ui::run_child_process({argv, directory.string()});
    output = result.output;
    if (result.started && result.exit_code == 0) return true;
    failure = argv.front() + " " + argv[1] + " failed:\n" + result.output.substr(0, 4000);
    return false;
}
} // namespace

std::string variant_text(Design& design, const Entity& entity, int language) {
    ui::ScriptedPlatform platform;
    HdlContext context(design, platform);
    context.language = language;
    std::ostringstream out;
    const Architecture& architecture = *entity.architectures.front();
    if (language == kLanguageVerilog) {
        write_module(out, context, entity, architecture);
    } else {
        write_entity_declaration(out, context, entity);
        write_architecture_heading(out, context, entity, architecture, true);
        write_architecture(out, context, entity, architecture);
    }
    return out.str();
}

SimulationResult simulate_variants(Design& design, SampleMachine& sample,
                                   const std::vector<MachineVariant>& variants,
                                   const Stimulus& stimulus,
                                   const std::filesystem::path& directory) {
    SimulationResult result;
    const std::string base = sample.name;
    std::vector<BenchUnit> units;
    std::string vhdl, verilog;
    design.vhdl93 = true;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        std::string name = base + "_" + std::to_string(i);
        bool accepted = true;
        for (int language : {kLanguageVhdl, kLanguageVerilog}) {
            design.target_language = language;
            design.language_checking = language;
            std::vector<std::string> errors;
            if (!prepare_variant(design, sample, variants[i], &errors)) {
                if (language == kLanguageVhdl) {
                    ++result.refused;
                    result.refusals.push_back(variants[i].label() + ": " + errors.front());
                }
                accepted = false;
                break;
            }
            sample.entity->name = name;
            (language == kLanguageVhdl ? vhdl : verilog) +=
                variant_text(design, *sample.entity, language);
            sample.entity->name = base;
        }
        if (!accepted) continue;
        units.push_back({name, variants[i]});
        result.names.push_back(name + " (" + variants[i].label() + ")");
    }
    design.target_language = kLanguageVhdl;
    design.language_checking = kLanguageVhdl;
    write(directory / "variants.vhd", vhdl);
    write(directory / "tb.vhd", vhdl_testbench(sample, units, stimulus));
    write(directory / "variants.v", verilog);
    write(directory / "tb.v", verilog_testbench(sample, units, stimulus));
    std::string output;
    if (!run({"ghdl", "-a", "--std=93", "variants.vhd", "tb.vhd"}, directory, output,
             result.failure) ||
        !run({"ghdl", "-e", "--std=93", "tb"}, directory, output, result.failure) ||
        !run({"ghdl", "-r", "--std=93", "tb"}, directory, output, result.failure))
        return result;
    result.vhdl = parse_traces(output);
    if (!run({"iverilog", "-o", "tb.vvp", "variants.v", "tb.v"}, directory, output,
             result.failure) ||
        !run({"vvp", "-n", "tb.vvp"}, directory, output, result.failure))
        return result;
    result.verilog = parse_traces(output);
    result.ran = true;
    return result;
}

} // namespace machine_hdl_test
