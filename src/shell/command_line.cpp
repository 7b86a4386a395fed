// Options and the project argument of the command line.
#include "shell/command_line.h"

#include "foundation/strings.h"
#include "shell/logical_directories.h"

namespace zeph {

namespace {
bool takes_value(const std::string& arg, const char* option, std::optional<std::string>& value,
                 const std::vector<std::string>& args, std::size_t& i, std::string& error) {
    std::string name = option;
    if (arg.rfind(name + "=", 0) == 0) {
        value = arg.substr(name.size() + 1);
        return true;
    }
    if (arg != name) return false;
    if (i + 1 >= args.size())
        error = name + " needs a file name";
    else
        value = args[++i];
    return true;
}
} // namespace

CommandLine parse_command_line(const std::vector<std::string>& args) {
    CommandLine c;
    for (std::size_t i = 0; i < args.size() && c.error.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help") {
            c.help = true;
        } else if (arg == "--version") {
            c.version = true;
        } else if (arg == "--sample-report") {
            c.sample_report = true;
        } else if (arg == "--console") {
            c.console = true;
        } else if (takes_value(arg, "--batch", c.batch_file, args, i, c.error) ||
                   takes_value(arg, "--settings", c.settings_file, args, i, c.error)) {
        } else if (!arg.empty() && arg.front() == '-') {
            c.error = "unknown option '" + arg + "'";
        } else if (c.project) {
            c.error = "only one design project can be named";
        } else {
            c.project = arg;
        }
    }
    return c;
}

bool display_available(const std::function<const char*(const char*)>& variable) {
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = variable(name);
        if (value != nullptr && *value != '\0') return true;
    }
    return false;
}

bool opens_window(const CommandLine& line, bool input_is_terminal, bool display) {
    return display && input_is_terminal && !line.console && !line.batch_file;
}

ProjectArgument check_project_argument(std::string_view argument) {
    ProjectArgument result{std::string(argument), {}};
    std::string& name = result.name;
    if (name.size() > kMaxPathLength) {
        result.refusal = format_text("Illegal directory '%s'.", name.c_str());
        return result;
    }
    if (name.find('.') == std::string::npos && name.size() + 4 <= kMaxPathLength) name += ".vdp";
    if ((name.size() >= 2 && name[1] == ':') || name.find_first_of("/\\") != std::string::npos) {
        result.refusal = kPathInArgument;
        return result;
    }
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || to_lower_ascii(name.substr(dot)) != ".vdp")
        result.refusal = kNotADesignProject;
    return result;
}

std::optional<std::string> place_project(ui::Platform& platform, const std::string& name,
                                         const Settings& settings, const std::string& cwd,
                                         const std::function<bool(const std::string&)>& exists) {
    std::string in_cwd = cwd + (cwd.ends_with('/') ? "" : "/") + name;
    const std::string& designs = settings.environment.designs;
    std::string dir = cwd;
    if (!designs.empty() && !exists(in_cwd)) {
        std::optional<std::string> resolved = resolve_path(designs, settings, cwd, &platform);
        if (!resolved) return std::nullopt;
        dir = *resolved;
    }
    std::string lowered = to_lower_ascii(dir);
    if (lowered.find(".vdp") != std::string::npos || lowered.find(".vmp") != std::string::npos)
        return std::nullopt;
    std::string path = dir + (dir.ends_with('/') ? "" : "/") + name;
    if (path.size() > kMaxPathLength) return std::nullopt;
    return path;
}

} // namespace zeph
