// Independent parts: states that no path along the transitions links to the others. The walk
// starts at the reset target (else state 1) and labels what it reaches as part 1; every state
// still unlabelled, in slot order, starts a new part, unless its walk runs into a part found
// before, which its states then join. Global transitions are not followed.
#include "statemachine/machine_checker.h"

namespace zeph {

namespace {

constexpr int kWalking = -1; // reached by the walk in progress

// Labels every unlabelled state reachable from `start` with kWalking and returns them; `met`
// receives the first earlier part the walk ran into (0: none).
std::vector<StateAnalysis*> walk(MachineAnalysis& analysis, StateAnalysis& start, int& met) {
    std::vector<StateAnalysis*> reached{&start};
    std::vector<StateAnalysis*> pending{&start};
    start.part = kWalking;
    met = 0;
    while (!pending.empty()) {
        StateAnalysis* s = pending.back();
        pending.pop_back();
        for (const Transition* t : s->outgoing) {
            StateAnalysis* next = analysis.find(t->to);
            if (next == nullptr || next->part == kWalking) continue;
            if (next->part > 0) {
                if (met == 0) met = next->part;
                continue;
            }
            next->part = kWalking;
            reached.push_back(next);
            pending.push_back(next);
        }
    }
    return reached;
}

} // namespace

void check_independent_parts(MachineChecker& checker) {
    const StateMachine& machine = checker.machine;
    if (drawn_states(machine) < 2 || machine.states.empty()) return;
    MachineAnalysis analysis = analyse_machine(machine);
    const State* reset_target =
        machine.reset_transition != nullptr ? machine.reset_transition->to : nullptr;
    StateAnalysis* start = analysis.find(reset_target);
    if (start == nullptr) start = analysis.find(machine.states.front().get());
    int parts = 0;
    auto label = [&](StateAnalysis& from) {
        int met = 0;
        std::vector<StateAnalysis*> reached = walk(analysis, from, met);
        int part = met != 0 ? met : ++parts;
        for (StateAnalysis* s : reached)
            s->part = part;
    };
    label(*start);
    for (StateAnalysis& s : analysis.states)
        if (s.part == 0) label(s);
    if (parts >= 2) checker.say(checker.implicit ? 31 : 108, parts, 0, 0);
}

} // namespace zeph
