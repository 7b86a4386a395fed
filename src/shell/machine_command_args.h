// Shared pieces of the state-diagram commands: the current machine with the context its
// editing operations need, running an operation as one undoable edit, and naming states,
// transitions and labels in arguments.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "shell/blockdiagram_command_args.h"
#include "shell/command_table.h"
#include "statemachine/machine_context.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zeph::machine_commands {

// The machine of the current diagram and what its operations work with.
struct CurrentMachine {
    Session& session;
    StateMachine& machine;
    MachineContext context;
};

using MachineCommand = std::function<bool(Invocation&, CurrentMachine&)>;

struct Entry {
    const char* name;
    const char* arguments;
    const char* help;
    std::size_t min_args;
    std::size_t max_args;
    MachineCommand run;
};

// The machine of the current level (a state-diagram process, else a state-diagram
// architecture); null when the current diagram is none.
StateMachine* current_machine(Session& session);

// Runs the operation as one edit of the machine named `description`: Done becomes a step of
// its undo history and marks the design modified; any other outcome leaves the machine as it
// was. False when the operation was refused.
bool edit(Invocation& inv, CurrentMachine& current, const char* description,
          const std::function<Outcome()>& operation);

// A state by name (REST included); an error line when there is none.
State* state_named(Invocation& inv, CurrentMachine& current, const std::string& name);
// A transition by its number in "list-diagram"; an error line when there is none.
Transition* transition_numbered(Invocation& inv, CurrentMachine& current, const std::string& word);

// A text given on the command line: "\n" stands for a line break.
std::string multi_line(const std::string& word);

// The label commands, the usage commands and the machine options.
std::vector<Entry> label_commands();

} // namespace zeph::machine_commands
