// The shell's "Labels List" commands: the action or condition labels of the current state
// diagram ("list-actions", "list-conditions"), or of every state machine of the design
// ("list-all-actions", "list-all-conditions").
#pragma once

namespace zeph {

class CommandTable;

void add_label_list_commands(CommandTable& table);

} // namespace zeph
