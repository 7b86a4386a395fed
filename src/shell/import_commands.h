// The shell command that imports a VHDL file into the open design ("Import VHDL File").
#pragma once

#include "shell/setup_commands.h"

#include <functional>

namespace zeph {

class SettingsFile;
class Shell;

void add_import_commands(Shell& shell, const SettingsFile& settings, DesignAccess design,
                         std::function<void()> mark_modified);

} // namespace zeph
