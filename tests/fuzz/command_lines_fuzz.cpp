// Both programs' command lines from arbitrary arguments (the input split at NUL bytes): zeph's
// options and project argument, the place of the project, and zped's file names and options.
// Whatever is given, the parsers answer with a usable command line or an error text.
#include "editor/command_line.h"
#include "shell/command_line.h"
#include "shell/settings.h"
#include "ui/scripted_platform.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
void check(bool ok) {
    if (!ok) std::abort();
}

void check_zeph(const std::vector<std::string>& args) {
    zeph::CommandLine line = zeph::parse_command_line(args);
    if (!line.error.empty() || !line.project) return;
    zeph::ProjectArgument argument = zeph::check_project_argument(*line.project);
    if (!argument.refusal.empty()) return;
    check(argument.name.find('/') == std::string::npos &&
          argument.name.find('\\') == std::string::npos);
    zeph::Settings settings;
    settings.environment.designs = args.size() > 1 ? args.back() : std::string();
    ui::ScriptedPlatform platform;
    std::optional<std::string> path =
        zeph::place_project(platform, argument.name, settings, "/home/user",
                            [](const std::string& p) { return p.size() % 2 == 0; });
    check(!path || path->size() <= 256);
}

void check_zped(const std::vector<std::string>& args) {
    zped::CommandLine line = zped::parse_command_line(args);
    if (!line.error.empty()) return;
    for (const std::string& file : line.files)
        check(!file.empty() || args.size() > 0);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args;
    std::string current;
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            args.push_back(current);
            current.clear();
        } else {
            current += static_cast<char>(data[i]);
        }
    }
    if (!current.empty()) args.push_back(current);
    check_zeph(args);
    check_zped(args);
    return 0;
}
