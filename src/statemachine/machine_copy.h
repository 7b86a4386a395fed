// Copies of state machines: a deep copy of a whole machine (its own states, transitions and
// labels, with every reference pointing into the copy), and the copy of a selection of states
// and transitions within one machine.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "statemachine/machine_context.h"

#include <memory>
#include <vector>

namespace zeph {

std::unique_ptr<StateMachine> copy_machine(const StateMachine& machine);

struct MachineSelection {
    std::vector<State*> states;
    std::vector<Transition*> transitions;
};

// Copies the selected states (each asks for its name as "copy state" does) and transitions,
// moved by `by`. A copied transition connects the copies of its states; an end whose state was
// not copied stays loose. The reset transition is not copied: everything else is, and then
// "Cannot copy Reset Transition." is shown. Cancelling a name prompt copies nothing.
Outcome copy_selection(StateMachine& machine, const MachineContext& context,
                       const MachineSelection& selection, Point by);

} // namespace zeph
