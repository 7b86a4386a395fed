// zeph with its main window: the same start-up as the console (settings, the project named on
// the command line or a new untitled design) on the Qt platform, then the event loop until the
// window closes.
#pragma once

namespace zeph {

struct CommandLine;

// Makes the QApplication from argc and argv; returns the exit status.
int run_window_program(int& argc, char** argv, const CommandLine& line);

} // namespace zeph
