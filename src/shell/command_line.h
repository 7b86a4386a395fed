// The command line of zeph: options of our own start with "-"; the one other argument names a
// design project, under the rules below.
#pragma once

#include "shell/settings.h"
#include "ui/platform.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeph {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool sample_report = false;
    bool console = false;                     // --console: the shell even with a display
    std::optional<std::string> batch_file;    // --batch FILE
    std::optional<std::string> settings_file; // --settings FILE
    std::optional<std::string> project;       // the project argument as given
    std::string error;                        // not empty: the command line is unusable
};

CommandLine parse_command_line(const std::vector<std::string>& args);

// A display can be reached: QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY is set (not empty).
// `variable` looks a name up in the environment (null: not set).
bool display_available(const std::function<const char*(const char*)>& variable);

// The program opens its main window rather than the shell: a display is there, and neither
// "--console" nor "--batch" was given nor is the standard input something other than a
// terminal (a pipe or a file feeds the shell).
bool opens_window(const CommandLine& line, bool input_is_terminal, bool display);

// The project argument checked: a name without an extension gets ".vdp"; a drive, a slash or
// a backslash, or an extension other than ".vdp", refuses it with the text shown to the user.
struct ProjectArgument {
    std::string name;    // with ".vdp"
    std::string refusal; // not empty: refused with this message
};
ProjectArgument check_project_argument(std::string_view argument);

// Where the project of a checked argument lives: the designs directory when it is set and the
// project is not in the current directory, else the current directory. nullopt when refused
// (the designs directory cannot be resolved, lies inside a ".vdp" or ".vmp" directory, or the
// path would exceed 256 characters).
std::optional<std::string> place_project(ui::Platform& platform, const std::string& name,
                                         const Settings& settings, const std::string& cwd,
                                         const std::function<bool(const std::string&)>& exists);

inline constexpr const char* kPathInArgument =
    "Path not allowed in command line argument.\nDesign project must be on current working "
    "directory or\non Design Projects Directory or will be created there.";
inline constexpr const char* kNotADesignProject =
    "Only design projects can be loaded as command line argument.";

} // namespace zeph
