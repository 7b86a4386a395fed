// Duplicate conditions: two transitions that one state could take under the same condition
// label, among the global transitions, between a global transition and a transition of a
// state, or between two transitions of one state. Two empty conditions count as equal.
#include "statemachine/machine_checker.h"

namespace zeph {

namespace {

constexpr const char* kGlobal = "global ";

bool same_condition(const Transition* a, const Transition* b) {
    return a->condition.label == b->condition.label;
}

} // namespace

void check_duplicate_conditions(MachineChecker& checker) {
    MachineAnalysis analysis = analyse_machine(checker.machine);
    const std::vector<const Transition*>& globals = analysis.globals;
    for (std::size_t i = 0; i < globals.size(); ++i)
        for (std::size_t j = i + 1; j < globals.size(); ++j)
            if (same_condition(globals[i], globals[j]))
                checker.say(32, globals[i]->priority, globals[j]->priority, 0, kGlobal, kGlobal);
    for (const StateAnalysis& s : analysis.states) {
        const std::string& name = s.state->name;
        for (const Transition* global : globals)
            for (const Transition* t : s.outgoing)
                if (same_condition(global, t))
                    checker.say(32, global->priority, t->priority, 0, kGlobal, "", name);
        for (std::size_t i = 0; i < s.outgoing.size(); ++i)
            for (std::size_t j = i + 1; j < s.outgoing.size(); ++j)
                if (same_condition(s.outgoing[i], s.outgoing[j]))
                    checker.say(32, s.outgoing[i]->priority, s.outgoing[j]->priority, 0, "", "",
                                name);
    }
}

} // namespace zeph
