// Building the scratch data of the transition checks.
#include "statemachine/machine_analysis.h"

#include <algorithm>

namespace zeph {

MachineAnalysis analyse_machine(const StateMachine& machine) {
    MachineAnalysis analysis;
    analysis.states.reserve(machine.states.size() + 1);
    auto add = [&analysis](State* state) {
        analysis.slot_of.emplace(state, analysis.states.size());
        analysis.states.push_back({state, {}, 0, {}, 0});
    };
    if (machine.rest_present()) add(machine.rest.get());
    for (const auto& state : machine.states)
        add(state.get());
    for (const auto& owned : machine.transitions) {
        const Transition& t = *owned;
        if (t.from == nullptr && !t.reset && t.to != nullptr) analysis.globals.push_back(&t);
        StateAnalysis* target = analysis.find(t.to);
        if (target != nullptr) {
            target->incoming.push_back(&t);
            if (t.from == t.to) ++target->self_loops;
        }
        if (t.reset) continue;
        if (StateAnalysis* origin = analysis.find(t.from)) origin->outgoing.push_back(&t);
    }
    for (StateAnalysis& state : analysis.states)
        std::stable_sort(
            state.outgoing.begin(), state.outgoing.end(),
            [](const Transition* a, const Transition* b) { return a->priority < b->priority; });
    return analysis;
}

} // namespace zeph
