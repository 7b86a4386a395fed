// Settings and command lines of GHDL, Icarus Verilog and Verilator.
#include "editor/hdl_compilers.h"

#include "editor/compile_source.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/program_run.h"
#include "editor/settings.h"
#include "foundation/strings.h"

namespace zped {

namespace {

std::string read(const Settings& s, const char* section, const char* key, const char* fallback) {
    return zeph::bounded(s.read_string(section, key, fallback), kToolFieldLength);
}

void add(ProgramCommand& command, const std::string& words) {
    if (words.empty()) return;
    command.text += " " + words;
    for (std::string& word : split_command_words(words))
        command.argv.push_back(std::move(word));
}

} // namespace

void HdlCompilerSettings::load(const Settings& s) {
    ghdl = read(s, "GHDL", "Executable", "ghdl");
    ghdl_standard = read(s, "GHDL", "Standard", "93");
    ghdl_options = read(s, "GHDL", "Options", "");
    icarus = read(s, "Icarus", "Executable", "iverilog");
    icarus_options = read(s, "Icarus", "Options", "");
    verilator = read(s, "Verilator", "Executable", "verilator");
    verilator_options = read(s, "Verilator", "Options", "-Wall");
}

void HdlCompilerSettings::save(Settings& s) const {
    s.write_string("GHDL", "Executable", ghdl);
    s.write_string("GHDL", "Standard", ghdl_standard);
    s.write_string("GHDL", "Options", ghdl_options);
    s.write_string("Icarus", "Executable", icarus);
    s.write_string("Icarus", "Options", icarus_options);
    s.write_string("Verilator", "Executable", verilator);
    s.write_string("Verilator", "Options", verilator_options);
}

ProgramCommand hdl_compiler_command(const HdlCompilerSettings& s, HdlCompiler compiler,
                                    const std::string& file) {
    ProgramCommand command;
    auto program = [&](const std::string& executable, const char* fixed) {
        command.text = quote_command_word(executable);
        command.argv = {executable};
        add(command, fixed);
    };
    switch (compiler) {
    case HdlCompiler::Ghdl:
        program(s.ghdl, "-a");
        if (!s.ghdl_standard.empty()) add(command, "--std=" + s.ghdl_standard);
        add(command, s.ghdl_options);
        break;
    case HdlCompiler::Icarus:
        program(s.icarus, "-t null");
        add(command, s.icarus_options);
        break;
    case HdlCompiler::Verilator:
        program(s.verilator, "--lint-only");
        add(command, s.verilator_options);
        break;
    }
    // A name that starts with "-" would be taken for an option.
    std::string argument = !file.empty() && file[0] == '-' ? "./" + file : file;
    command.text += " " + quote_command_word(argument);
    command.argv.push_back(argument);
    return command;
}

ErrorParser hdl_compiler_parser(HdlCompiler compiler) {
    switch (compiler) {
    case HdlCompiler::Ghdl:
        return ErrorParser::Ghdl;
    case HdlCompiler::Icarus:
        return ErrorParser::Icarus;
    case HdlCompiler::Verilator:
        return ErrorParser::Verilator;
    }
    return ErrorParser::None;
}

const char* hdl_compiler_title(HdlCompiler compiler) {
    switch (compiler) {
    case HdlCompiler::Ghdl:
        return "GHDL analysis";
    case HdlCompiler::Icarus:
        return "Icarus Verilog compilation";
    case HdlCompiler::Verilator:
        return "Verilator lint";
    }
    return "";
}

int run_hdl_compiler(EditorSession& session, HdlCompiler compiler) {
    EditBuffer* source = source_for_compiling(session);
    if (!source) return 1;
    const HdlCompilerSettings& s = session.compilers;
    std::string file = source_file_part(*source);
    ProgramRun run;
    run.command = hdl_compiler_command(s, compiler, file);
    run.command.working_directory = source_directory(*source);
    run.title = hdl_compiler_title(compiler);
    run.parser = hdl_compiler_parser(compiler);
    run.compiled_file = file;
    return run_program(session, run);
}

} // namespace zped
