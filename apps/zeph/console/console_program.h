// zeph in a terminal or run by a script: settings, the foundation, the project named on the
// command line or a new untitled design, then the console shell until "exit" or the end of
// the input.
#pragma once

#include <functional>

namespace zeph {

struct CommandLine;

// The main window's program, when the build has one: takes over from the command line when a
// display is available and the input is a terminal.
using WindowProgram = std::function<int(int& argc, char** argv, const CommandLine& line)>;

// The whole program; returns its exit status (0; 1 when a script command failed or the
// program could not start; 2 for a command line it cannot use).
int start_program(int argc, char** argv, const WindowProgram& window = {});

} // namespace zeph
