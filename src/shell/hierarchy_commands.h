// The hierarchy commands of the shell: instantiation, Edit Instance, configurations and
// bindings, the hierarchy display's bind and delete, the design list, purge, library modules
// and macros.
#pragma once

namespace zeph {

class CommandTable;

void add_hierarchy_commands(CommandTable& table);

} // namespace zeph
