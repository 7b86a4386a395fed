// The scratch data of the transition checks, rebuilt for every run: the global transitions,
// and for every state (REST first) the transitions that enter it, the self-loops among them,
// and the transitions that leave it in priority order.
#pragma once

#include "design/state_machine.h"

#include <cstddef>
#include <unordered_map>
#include <vector>

namespace zeph {

struct StateAnalysis {
    State* state = nullptr;
    std::vector<const Transition*> incoming; // list order, the reset transition included
    int self_loops = 0;
    std::vector<const Transition*> outgoing; // priority order
    int part = 0;                            // of the independent-parts walk; 0: none yet
};

struct MachineAnalysis {
    // Transitions without an origin state that are not the reset transition and have a target.
    std::vector<const Transition*> globals;
    // REST (when present) in slot 0, then the states 1..n.
    std::vector<StateAnalysis> states;
    std::unordered_map<const State*, std::size_t> slot_of;

    StateAnalysis* find(const State* state) {
        auto it = slot_of.find(state);
        return it == slot_of.end() ? nullptr : &states[it->second];
    }
};

MachineAnalysis analyse_machine(const StateMachine& machine);

} // namespace zeph
