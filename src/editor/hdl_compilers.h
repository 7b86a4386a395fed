// Today's free compilers on the active file, each with its own error parser:
//   GHDL      "ghdl -a --std=93 top.vhd"          (section "GHDL": Executable, Standard, Options)
//   Icarus    "iverilog -t null top.v"            (section "Icarus": Executable, Options)
//   Verilator "verilator --lint-only -Wall top.v" (section "Verilator": Executable, Options)
// They run in the file's directory, after the file was saved, like the V-System compilers.
#pragma once

#include "editor/command_words.h"
#include "editor/error_parsers.h"

#include <string>

namespace zped {

class EditorSession;
class Settings;

enum class HdlCompiler { Ghdl, Icarus, Verilator };

struct HdlCompilerSettings {
    std::string ghdl = "ghdl";
    std::string ghdl_standard = "93"; // --std=...; empty: GHDL's own default
    std::string ghdl_options;
    std::string icarus = "iverilog";
    std::string icarus_options;
    std::string verilator = "verilator";
    std::string verilator_options = "-Wall";

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

ProgramCommand hdl_compiler_command(const HdlCompilerSettings& settings, HdlCompiler compiler,
                                    const std::string& file);
ErrorParser hdl_compiler_parser(HdlCompiler compiler);
const char* hdl_compiler_title(HdlCompiler compiler);

int run_hdl_compiler(EditorSession& session, HdlCompiler compiler);

} // namespace zped
