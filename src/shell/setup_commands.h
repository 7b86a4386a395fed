// The shell's commands for the design setup, the package lists and the binding of packages
// to entities: "setup", "packages", "bindings", "bind" and "unbind". Each drives the same
// operations as the dialogs of the main window.
#pragma once

namespace zeph {

class CommandTable;

void add_setup_commands(CommandTable& table);

} // namespace zeph
