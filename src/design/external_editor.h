// The external editor of the settings ("Editor"), started with one file name.
#pragma once

#include "ui/platform.h"

#include <string>

namespace zeph {

// Runs `editor` with `file` as its only argument, on the program's own terminal, and waits
// until it ends. The editor path is one program (looked up on PATH when it has no slash), not
// a command line for a shell. A failure to start it shows "Unable to execute editor (Shell
// error %d)." with the error number in the status line; returns false then.
bool launch_editor(ui::Platform& platform, const std::string& editor, const std::string& file);

} // namespace zeph
