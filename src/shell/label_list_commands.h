// The shell's "Labels List" commands: the action or condition labels of the current state
// diagram ("list-actions", "list-conditions"), or of every state machine of the design
// ("list-all-actions", "list-all-conditions").
#pragma once

namespace zeph {

class CommandTable;
class Session;

enum class LabelsListResult { Shown, NoDesign, NotStateDiagram };

// Shows the Labels List of the actions (or conditions) of the current state diagram, or of
// every state machine of the design, in the report window.
LabelsListResult list_labels(Session& session, bool actions, bool every_machine);

void add_label_list_commands(CommandTable& table);

} // namespace zeph
