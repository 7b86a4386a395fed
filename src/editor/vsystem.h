// The V-System compilers: the settings of section "Vsystem" and the command lines of vlib,
// vcom, vlog and vmap, run in the source file's directory with the V-System error parser.
#pragma once

#include "editor/command_words.h"

#include <string>

namespace zped {

class EditorSession;
class Settings;

inline constexpr const char* kVsystemSection = "Vsystem";
inline constexpr std::size_t kVsystemTimeoutLength = 3;

struct VsystemSettings {
    std::string executable; // path of vcom; its directory holds the other programs
    std::string window_class = "VsystemWClass";
    std::string library = "work";
    std::string timeout; // edited and stored only
    std::string vcom_line;
    std::string vlog_line;
    std::string vcom_options;
    std::string vlog_options;
    bool std_logic = true; // off: -no1164
    bool vhdl93 = true;
    bool explicit_functions = true;
    bool upper_case = false;
    bool hazard = false;

    void load(const Settings& settings);
    void save(Settings& settings) const;
};

enum class VsystemMode {
    CreateLibrary = 0,
    Vhdl = 1,
    Verilog = 2,
    MapLibrary = 3,
    ShowMappings = 4
};

// The command of one mode: `tool_directory` is the directory of the executable followed by a
// slash (empty: the programs are found on PATH), `file` the source file's name for modes 1
// and 2, `library_directory` the library's directory for modes 0 and 3.
ProgramCommand vsystem_command(const VsystemSettings& settings, VsystemMode mode,
                               const std::string& tool_directory, const std::string& file,
                               const std::string& library_directory);

// The directory part of the executable's path with its slash ("" when it has none).
std::string vsystem_tool_directory(const std::string& executable);

// Compiles the active file (modes 1 and 2) or runs a library command in the active file's
// directory (when the result window is active, the directory of the file compiled last; with
// neither, the editor's own).
int run_vsystem(EditorSession& session, VsystemMode mode, const std::string& library_directory);

} // namespace zped
