// Editing the transitions of a machine: adding one drawn point by point or one that connects
// two states directly (a curve of 51 points), moving and deleting its points and segments,
// deleting it, and the "Edit Transition" dialog (condition, "As&ynchronous", "&Priority:").
//
// Where a point lands decides what it connects: the origin on a state makes the state the
// transition's origin, the last point on a state makes it the target; a transition whose
// origin is on no state leaves every state (a global transition) unless it is the reset
// transition. Ends on a state are put on its outline.
#pragma once

#include "design/edit_outcome.h"
#include "design/state_machine.h"
#include "statemachine/machine_context.h"

#include <vector>

namespace zeph {

// Refusals: fewer than two points (nothing happens); a point other than the origin on the
// REST state ("Transition to REST state not allowed.").
Outcome add_transition(StateMachine& machine, const MachineContext& context,
                       std::vector<Point> points, Transition** added = nullptr);
// A curve from the point `origin` to the point `end`: between two states a bow, from a state
// to itself a loop, otherwise a bow between the points.
Outcome add_curved_transition(StateMachine& machine, const MachineContext& context, Point origin,
                              Point end, Transition** added = nullptr);

// A copy of the transition moved by `by`, with its condition and actions; its ends connect
// where they land, and it joins its priority range as the last one. The reset transition is
// refused ("Cannot copy Reset Transition.").
Outcome copy_transition(StateMachine& machine, const MachineContext& context,
                        const Transition& original, Point by, Transition** added = nullptr);

// Moving point `index` to `to`. The first and last point may move (and reconnect); other
// points of a transition drawn point by point cannot ("Cannot move this point."); a point of a
// curve reshapes the curve through it. The reset transition's origin cannot go onto a
// state's outline ("Cannot connect origin of Reset Transition to a state."); inside a state
// it is placed with a warning.
Outcome move_transition_point(StateMachine& machine, const MachineContext& context,
                              Transition& transition, std::size_t index, Point to);
// Moving segment `index` (from point index to point index + 1) of a transition drawn point by
// point by an offset; a curve's segments cannot move ("Cannot move this segment.").
Outcome move_transition_segment(StateMachine& machine, const MachineContext& context,
                                Transition& transition, std::size_t index, Point by);
// Deleting a point other than the first and last of a transition drawn point by point; any
// other point is needed ("Cannot delete this point.").
Outcome delete_transition_point(StateMachine& machine, const MachineContext& context,
                                Transition& transition, std::size_t index);
// Deleting a segment of a transition drawn point by point that has more than one: the first
// and last segments give up their inner point, an inner segment shrinks to its middle.
// Otherwise "Cannot delete this segment.".
Outcome delete_transition_segment(StateMachine& machine, const MachineContext& context,
                                  Transition& transition, std::size_t index);

// Removes the transition with its usages; the priorities of its range close the gap.
void remove_transition(StateMachine& machine, Transition& transition);

struct TransitionFields {
    Label* condition = nullptr; // a condition label of the machine, or none (empty condition)
    bool asynchronous = false;  // "As&ynchronous": the reset transition
    int priority = 0;           // "&Priority:"
    bool operator==(const TransitionFields&) const = default;
};
enum class TransitionField { None, Asynchronous, Condition, Priority };

TransitionFields transition_fields(const Transition& transition);

// The checks of OK below, for a condition given by its text for the design's language (null:
// no condition); nothing changes. On success with `asynchronous`, `reset_text` receives the
// rewritten condition.
DialogResult<TransitionField> check_transition(const StateMachine& machine,
                                               const MachineContext& context,
                                               const Transition& transition, bool asynchronous,
                                               const std::string* condition_text, int priority,
                                               std::string* reset_text = nullptr);

// OK of "Edit Transition", in this order. Made asynchronous: "Reset Transition already
// defined." when another one is; a transition that leaves a state cannot become the reset
// transition ("Cannot connect origin of Reset Transition to a state."); the condition must be
// a legal reset condition in the design's language ("Illegal Reset condition."), whose text is
// then rewritten without blanks, and the priority becomes 10000. Otherwise the priority must be
// one of its range (message 50); moving it shifts the others of the range. A transition that
// stops being the reset transition joins the global transitions as the last one.
DialogResult<TransitionField> edit_transition(StateMachine& machine, const MachineContext& context,
                                              Transition& transition, TransitionFields fields);

// Recomputes the arrowhead numbers of the transition from its points.
void refresh_arrow(Transition& transition, const StateDiagramSettings& settings);

} // namespace zeph
