// Moving and deleting a selection of a state diagram. The caller makes the whole change one
// step of the machine's undo history (with the sheet, whose free texts may change).
#pragma once

#include "design/edit_outcome.h"
#include "statemachine/machine_context.h"
#include "statemachine/state_selection.h"

namespace zeph {

// Moves the selected states, transitions and free texts by `by`. A state takes its name and
// actions along; a transition between two moved states (or a selected one) moves whole with
// its labels; an end of another transition on a moved state follows it as moving that point
// does (a curve keeps its middle), and the ends of a transition moved without its states
// connect where they land. Refusals of those point moves ("Transition to REST state not
// allowed.", ...) refuse the whole move.
Outcome move_state_selection(StateMachine& machine, const MachineContext& context, Sheet& sheet,
                             const StateDiagramObjects& selection, Point by);

// Deletes the selected transitions, then the selected states with every transition that leaves
// or enters them, then the selected free texts.
void delete_state_selection(StateMachine& machine, Sheet& sheet,
                            const StateDiagramObjects& selection);

} // namespace zeph
