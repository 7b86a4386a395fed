// V-System settings and command lines.
#include "editor/vsystem.h"

#include "editor/compile_source.h"
#include "editor/edit_buffer.h"
#include "editor/editor_session.h"
#include "editor/editor_ui.h"
#include "editor/program_run.h"
#include "editor/settings.h"
#include "foundation/strings.h"

#include <cstdlib>

namespace zped {

using zeph::format_text;

namespace {

// A start line "reads as a non-zero number" the way atoi reads it.
bool nonzero_number(const std::string& text) {
    return std::strtol(text.c_str(), nullptr, 10) != 0;
}

void add_words(std::vector<std::string>& argv, const std::string& text) {
    for (std::string& word : split_command_words(text))
        argv.push_back(std::move(word));
}

// " -line N " and " OPTIONS" and " FILE", the tail that vcom and vlog share.
void add_tail(ProgramCommand& command, const std::string& line, const std::string& options,
              const std::string& file) {
    if (nonzero_number(line)) {
        command.text += format_text(" -line %s ", line.c_str());
        command.argv.push_back("-line");
        add_words(command.argv, line);
    }
    if (!options.empty()) {
        command.text += " " + options;
        add_words(command.argv, options);
    }
    command.text += " " + quote_command_word(file);
    command.argv.push_back(file);
}

void add_flag(ProgramCommand& command, bool on, const char* flag) {
    if (!on) return;
    command.text += " ";
    command.text += flag;
    command.argv.push_back(flag);
}

} // namespace

void VsystemSettings::load(const Settings& s) {
    auto text = [&](const char* key, const char* fallback, std::size_t limit = kToolFieldLength) {
        return zeph::bounded(s.read_string(kVsystemSection, key, fallback), limit);
    };
    executable = text("Executable", "");
    window_class = text("Class", "VsystemWClass");
    library = text("Library", "work");
    timeout = text("Timeout", "", kVsystemTimeoutLength);
    vcom_line = text("VCOM_Line", "");
    vlog_line = text("VLOG_Line", "");
    vcom_options = text("VCOM_Options", "");
    vlog_options = text("VLOG_Options", "");
    std_logic = s.read_bool(kVsystemSection, "StdLogicOpt", true);
    vhdl93 = s.read_bool(kVsystemSection, "VHDL93", true);
    explicit_functions = s.read_bool(kVsystemSection, "Explicit", true);
    upper_case = s.read_bool(kVsystemSection, "ConvUpCase", false);
    hazard = s.read_bool(kVsystemSection, "Hazard", false);
}

void VsystemSettings::save(Settings& s) const {
    s.write_string(kVsystemSection, "Executable", executable);
    s.write_string(kVsystemSection, "Class", window_class);
    s.write_string(kVsystemSection, "Library", library);
    s.write_string(kVsystemSection, "Timeout", zeph::bounded(timeout, kVsystemTimeoutLength));
    s.write_string(kVsystemSection, "VCOM_Line", vcom_line);
    s.write_string(kVsystemSection, "VLOG_Line", vlog_line);
    s.write_string(kVsystemSection, "VCOM_Options", vcom_options);
    s.write_string(kVsystemSection, "VLOG_Options", vlog_options);
    s.write_bool(kVsystemSection, "StdLogicOpt", std_logic);
    s.write_bool(kVsystemSection, "VHDL93", vhdl93);
    s.write_bool(kVsystemSection, "Explicit", explicit_functions);
    s.write_bool(kVsystemSection, "ConvUpCase", upper_case);
    s.write_bool(kVsystemSection, "Hazard", hazard);
}

std::string vsystem_tool_directory(const std::string& executable) {
    std::size_t slash = executable.rfind('/');
    return slash == std::string::npos ? std::string() : executable.substr(0, slash + 1);
}

ProgramCommand vsystem_command(const VsystemSettings& s, VsystemMode mode, const std::string& d,
                               const std::string& file, const std::string& library_directory) {
    ProgramCommand command;
    const char* tool = d.c_str();
    const std::string& library = s.library;
    switch (mode) {
    case VsystemMode::CreateLibrary:
        command.text = format_text("%svlib %s", tool, library_directory.c_str());
        command.argv = {d + "vlib", library_directory};
        break;
    case VsystemMode::Vhdl:
        command.text = format_text("%svcom -work %s", tool, library.c_str());
        command.argv = {d + "vcom", "-work", library};
        add_flag(command, !s.std_logic, "-no1164");
        add_flag(command, s.explicit_functions, "-explicit");
        add_flag(command, s.vhdl93, "-93");
        command.text += " ";
        add_tail(command, s.vcom_line, s.vcom_options, file);
        break;
    case VsystemMode::Verilog:
        command.text = format_text("%svlog  -work %s", tool, library.c_str());
        command.argv = {d + "vlog", "-work", library};
        add_flag(command, s.upper_case, "-u");
        add_flag(command, s.hazard, "-hazards");
        command.text += " ";
        add_tail(command, s.vlog_line, s.vlog_options, file);
        break;
    case VsystemMode::MapLibrary:
        command.text =
            format_text("%svmap %s %s", tool, library.c_str(), library_directory.c_str());
        command.argv = {d + "vmap", library, library_directory};
        break;
    case VsystemMode::ShowMappings:
        command.text = format_text("%svmap", tool);
        command.argv = {d + "vmap"};
        break;
    }
    return command;
}

int run_vsystem(EditorSession& session, VsystemMode mode, const std::string& library_directory) {
    const VsystemSettings& s = session.vsystem;
    if (s.executable.empty()) {
        editor_ui().message_box("vcom.exe executable path is empty.",
                                "Please set the path to the Vsystem directory\nusing the "
                                "Options->Vsystem dialog window.");
        return 1;
    }
    std::string executable;
    if (!session.settings.expand_path(s.executable, executable)) executable = s.executable;

    ProgramRun run;
    std::string file;
    std::string directory;
    if (mode == VsystemMode::Vhdl || mode == VsystemMode::Verilog) {
        EditBuffer* source = source_for_compiling(session);
        if (!source) return 1;
        file = source_file_part(*source);
        directory = source_directory(*source);
    } else if (const EditBuffer* active = session.active();
               active && active->window_kind == kEditWindow) {
        directory = source_directory(*active);
    } else if (const EditBuffer* last = session.tool_results.source_window) {
        // The result window is in front: the library belongs to the file compiled last.
        directory = source_directory(*last);
    }
    std::string library_dir = library_directory.empty() ? s.library : library_directory;
    run.command = vsystem_command(s, mode, vsystem_tool_directory(executable), file, library_dir);
    run.command.working_directory = directory;
    run.title = "V-System compiler";
    run.parser = ErrorParser::Vsystem;
    run.compiled_file = file;
    return run_program(session, run);
}

} // namespace zped
