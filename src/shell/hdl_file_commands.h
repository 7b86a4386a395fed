// The shell command that names the HDL file of an HDL-file architecture and makes its skeleton:
// what the architecture's dialog and "Edit" do in the main window, so that a script can give a
// leaf of the hierarchy its hand-written text.
#pragma once

#include "shell/setup_commands.h"

#include <functional>

namespace zeph {

class SettingsFile;
class Shell;

void add_hdl_file_commands(Shell& shell, const SettingsFile& settings, DesignAccess design,
                           std::function<void()> mark_modified);

} // namespace zeph
