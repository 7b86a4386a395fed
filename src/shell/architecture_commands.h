// The shell command that gives an entity another architecture: a block diagram, an HDL file
// or a state diagram, under a name or the default name of its kind.
#pragma once

namespace zeph {

class CommandTable;

void add_architecture_commands(CommandTable& table);

} // namespace zeph
