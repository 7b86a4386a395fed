// The command line of zped: file names, "/n" (always a new instance), "/p" (print a file and
// end), "--batch SCRIPT" (the script mode, without a terminal), and --help / --version. Every
// argument is one word; a word in double quotes loses them.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zped {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool new_instance = false;        // "/n"
    std::optional<std::string> print; // "/p": the rest of the line names the file
    std::optional<std::string> batch; // "--batch": the script ("-": standard input)
    std::vector<std::string> files;
    std::string error; // an unknown option
};

CommandLine parse_command_line(const std::vector<std::string>& args);

inline constexpr const char* kUsage =
    "usage: zped [/n] [file ...]\n"
    "       zped --batch SCRIPT [file ...]\n"
    "       zped /p file\n"
    "       zped --help | --version\n"
    "  /n       start a new instance even when one runs already\n"
    "  --batch  run the commands of SCRIPT ('-': standard input) without a terminal\n"
    "  /p       print the file and end\n";

} // namespace zped
