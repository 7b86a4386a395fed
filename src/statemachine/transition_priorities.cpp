// Keeping the priority ranges consecutive.
#include "statemachine/transition_priorities.h"

namespace zeph {

bool is_global(const Transition& transition) {
    return transition.from == nullptr && !transition.reset;
}

int global_count(const StateMachine& machine) {
    int count = 0;
    for (const auto& t : machine.transitions)
        if (is_global(*t)) ++count;
    return count;
}

int leaving_count(const StateMachine& machine, const State* state) {
    int count = 0;
    for (const auto& t : machine.transitions)
        if (!t->reset && t->from == state && state != nullptr) ++count;
    return count;
}

PriorityRange priority_range(const StateMachine& machine, const Transition& transition) {
    if (transition.reset) return {kResetPriority, 1};
    int globals = global_count(machine);
    if (is_global(transition)) return {0, globals};
    return {globals, leaving_count(machine, transition.from)};
}

namespace {

bool same_range(const Transition& a, const Transition& b) {
    if (a.reset || b.reset) return false;
    return a.from == b.from;
}

void shift_states(StateMachine& machine, const Transition& except, int by) {
    for (auto& t : machine.transitions)
        if (t.get() != &except && !t->reset && t->from != nullptr) t->priority += by;
}

} // namespace

void join_priorities(StateMachine& machine, Transition& transition) {
    if (transition.reset) {
        transition.priority = kResetPriority;
        return;
    }
    // The range counts the transition itself already.
    PriorityRange range = priority_range(machine, transition);
    transition.priority = range.first + range.count - 1;
    if (is_global(transition)) shift_states(machine, transition, 1);
}

void leave_priorities(StateMachine& machine, Transition& transition) {
    if (transition.reset) return;
    for (auto& t : machine.transitions)
        if (t.get() != &transition && same_range(*t, transition) &&
            t->priority > transition.priority)
            --t->priority;
    if (is_global(transition)) shift_states(machine, transition, -1);
}

void move_priority(StateMachine& machine, Transition& transition, int priority) {
    int old = transition.priority;
    if (transition.reset || priority == old) return;
    for (auto& t : machine.transitions) {
        if (t.get() == &transition || !same_range(*t, transition)) continue;
        if (old < priority && t->priority > old && t->priority <= priority) --t->priority;
        if (priority < old && t->priority >= priority && t->priority < old) ++t->priority;
    }
    transition.priority = priority;
}

} // namespace zeph
