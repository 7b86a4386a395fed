// Priorities of transitions. The global transitions, and the transitions that leave one state,
// each form one consecutive range from 0 together: the global transitions take the first
// numbers, the transitions of a state follow them. The reset transition stands apart with
// priority 10000.
#pragma once

#include "design/state_machine.h"

namespace zeph {

// A transition without an origin state that is not the reset transition leaves every state.
bool is_global(const Transition& transition);

int global_count(const StateMachine& machine);
// Transitions other than the reset one whose origin is the state.
int leaving_count(const StateMachine& machine, const State* state);

// The priorities a transition may take: from `first`, `count` numbers.
struct PriorityRange {
    int first = 0;
    int count = 0;
    bool contains(int priority) const { return priority >= first && priority < first + count; }
};
PriorityRange priority_range(const StateMachine& machine, const Transition& transition);

// The transition, already in the machine's list with its origin, joins its range as the last
// one: a global transition takes the number after the other global ones and moves every
// transition of a state up by one; a transition of a state takes the number after those of
// its state. The reset transition gets 10000.
void join_priorities(StateMachine& machine, Transition& transition);
// The transition, still in the list with its origin, leaves its range: the higher ones of its
// range move down by one, and for a global transition every transition of a state too.
void leave_priorities(StateMachine& machine, Transition& transition);
// Moves the transition to another number of its range: those between shift by one.
void move_priority(StateMachine& machine, Transition& transition, int priority);

} // namespace zeph
