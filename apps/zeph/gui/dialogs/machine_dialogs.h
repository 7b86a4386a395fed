// The state-diagram dialogs on the form framework: "Edit State" and "State Machine Options",
// and the one undoable edit every state-diagram dialog's OK runs as.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "dialog_outcome.h"
#include "statemachine/machine_context.h"

#include <functional>

class QWidget;

namespace zeph {

class Session;

// Runs `operation` with the machine's context as one step of its undo history named
// `description`; Done marks the design modified. Returns the operation's outcome.
Outcome machine_edit(Session& session, StateMachine& machine, const char* description,
                     const std::function<Outcome(const MachineContext&)>& operation);

DialogOutcome run_state_dialog(QWidget* parent, Session& session, StateMachine& machine,
                               State& state);
DialogOutcome run_machine_options_dialog(QWidget* parent, Session& session, StateMachine& machine);

} // namespace zeph
