// The shell's commands that draw and edit state diagrams: states, the REST state,
// transitions given by state names or points, their points and segments, the transition
// dialog (condition, the reset transition, priority), action and condition labels with their
// usages, the machine options, undo and a listing. They work on the current diagram when it
// is a state diagram (an architecture or a process); every edit is one step of that
// machine's undo history and marks the design modified. "diagram", "list-diagram", "undo" and
// "undo-info" serve both kinds of diagram.
#pragma once

namespace zeph {

class CommandTable;

// Registers after the block-diagram commands, whose shared commands it extends.
void add_machine_commands(CommandTable& table);

} // namespace zeph
