// The order of the transition list that the checks leave behind. It is saved with the design,
// so a second run finds the list in order and leaves it as it is.
#include "statemachine/machine_checker.h"

#include <algorithm>

namespace zeph {

namespace {

// 0 the reset transition, 1 transitions without an origin state, 2 those of a state.
int group_of(const Transition& transition) {
    if (transition.reset) return 0;
    return transition.from == nullptr ? 1 : 2;
}

bool comes_before(const std::unique_ptr<Transition>& a, const std::unique_ptr<Transition>& b) {
    int group_a = group_of(*a);
    int group_b = group_of(*b);
    if (group_a != group_b) return group_a < group_b;
    if (group_a == 2 && a->from->number != b->from->number)
        return a->from->number < b->from->number;
    return a->priority < b->priority;
}

} // namespace

void sort_transitions(StateMachine& machine) {
    std::stable_sort(machine.transitions.begin(), machine.transitions.end(), comes_before);
}

} // namespace zeph
