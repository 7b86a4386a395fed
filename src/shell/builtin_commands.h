// The commands every shell has: help, answer, wait and exit.
#pragma once

namespace zeph {

class Shell;

void add_builtin_commands(Shell& shell);

// Width of the synopsis column of "help" lines.
inline constexpr int kHelpSynopsisWidth = 24;

} // namespace zeph
