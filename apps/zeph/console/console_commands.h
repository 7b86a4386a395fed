// The commands of the console itself: help, answer, wait and exit.
#pragma once

namespace zeph {

class Shell;

void add_console_commands(Shell& shell);

// Width of the synopsis column of "help" lines.
inline constexpr int kHelpSynopsisWidth = 24;

} // namespace zeph
