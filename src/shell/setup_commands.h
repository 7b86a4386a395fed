// The shell's commands for the design setup, the package lists and the binding of packages
// to entities: "setup", "packages", "bindings", "bind" and "unbind". Each drives the same
// operations as the dialogs of the main window.
#pragma once

#include "hdl/new_design_setup.h"

#include <functional>

namespace zeph {

class Shell;
class SettingsFile;
struct Design;
struct Settings;

// The design the commands work on; null while none is open.
using DesignAccess = std::function<Design*()>;

// Also installs the resolution of logical paths (section "Directories" of `settings`) that
// checks the file names of package specifications, and `mark_modified` (when given) as what
// a change of the setup, the package list or the bindings does to the open project.
void add_setup_commands(Shell& shell, SettingsFile& settings, DesignAccess design,
                        std::function<void()> mark_modified = nullptr);

// What the settings give a new design (types, company, language, synthesis tool, the default
// package list).
NewDesignDefaults new_design_defaults(const Settings& settings);

} // namespace zeph
