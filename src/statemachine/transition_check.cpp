// Transitions: the list put in order, transitions that start or end on the sheet, global
// transitions without a condition, actions that a transition shares with the state it
// enters, states without exit or entry, and transitions that an unconditional one before
// them makes unreachable.
#include "statemachine/machine_checker.h"

#include "foundation/kind_vocabulary.h"
#include "statemachine/transition_priorities.h"

#include <algorithm>

namespace zeph {

namespace {

constexpr int kFormStart = 1; // message 29: "start" rather than "end"

int severity_by_style(const MachineChecker& checker, int implicit_error, int explicit_warning) {
    return checker.implicit ? implicit_error : explicit_warning;
}

void check_loose_ends(MachineChecker& checker) {
    for (const auto& owned : checker.machine.transitions) {
        const Transition& t = *owned;
        if (t.from == nullptr && !t.reset) {
            if (checker.implicit) checker.say(29, 0, kFormStart, 0, sheet_position(first_point(t)));
            if (t.to != nullptr && t.condition.label == nullptr)
                checker.say(24, 0, 0, 0, "Global", sheet_position(first_point(t)));
        }
        if (t.to == nullptr) checker.say(29, 0, 0, 0, sheet_position(last_point(t)));
    }
}

bool state_has_action(const State& state, const Label* label) {
    return std::any_of(state.action_usages.begin(), state.action_usages.end(),
                       [label](const auto& usage) { return usage->label == label; });
}

void check_shared_actions(MachineChecker& checker, const MachineAnalysis& analysis) {
    for (const StateAnalysis& entered : analysis.states) {
        const State& state = *entered.state;
        for (const Transition* t : entered.incoming)
            for (const auto& usage : t->action_usages) {
                if (usage->label == nullptr || !state_has_action(state, usage->label)) continue;
                std::string from = t->from != nullptr ? t->from->name : std::string();
                checker.say(106, 0, 0, 0, from, state.name, label_name(*usage->label));
            }
    }
}

void check_exits_and_entries(MachineChecker& checker, const MachineAnalysis& analysis) {
    int number = severity_by_style(checker, 30, 107);
    const State* rest = checker.machine.rest.get();
    for (const StateAnalysis& s : analysis.states) {
        auto elsewhere = [&s](const Transition* t) { return t->to != s.state; };
        bool exit = std::any_of(s.outgoing.begin(), s.outgoing.end(), elsewhere) ||
                    std::any_of(analysis.globals.begin(), analysis.globals.end(), elsewhere);
        if (!exit) checker.say(number, 0, 0, 0, s.state->name);
        // Global transitions that enter the state are among its incoming ones.
        bool entry = static_cast<int>(s.incoming.size()) > s.self_loops;
        if (s.state != rest && !entry) checker.say(number, 1, 0, 0, s.state->name);
    }
}

// The transitions of a state are tried in priority order after the global ones, so nothing
// after a transition with an empty condition can ever be taken.
void check_unconditional_exits(MachineChecker& checker, const MachineAnalysis& analysis) {
    const StateMachine& machine = checker.machine;
    int globals = global_count(machine);
    const State* reset_target =
        machine.reset_transition != nullptr ? machine.reset_transition->to : nullptr;
    for (const StateAnalysis& s : analysis.states) {
        int unconditional = 0;
        int lowest = 0;
        for (const Transition* t : s.outgoing)
            if (t->condition.label == nullptr) {
                if (unconditional == 0 || t->priority < lowest) lowest = t->priority;
                ++unconditional;
            }
        int last = globals + static_cast<int>(s.outgoing.size()) - 1;
        const std::string& name = s.state->name;
        if (unconditional >= 2)
            checker.say(29, 1, lowest, unconditional - 1, name);
        else if (unconditional == 1 && lowest < last)
            checker.say(29, 1, lowest, last - lowest, name);
        else if (unconditional == 0 && checker.implicit && s.state != reset_target)
            checker.say(29, 1, 0, 0, name);
    }
}

} // namespace

void check_transitions(MachineChecker& checker) {
    StateMachine& machine = checker.machine;
    bool any = std::any_of(machine.transitions.begin(), machine.transitions.end(),
                           [](const auto& t) { return !t->reset; });
    if (!any) {
        checker.say(checker.implicit && !machine.states.empty() ? 3 : 101, kKindTransition, 0, 0);
        return;
    }
    sort_transitions(machine);
    check_loose_ends(checker);
    MachineAnalysis analysis = analyse_machine(machine);
    check_shared_actions(checker, analysis);
    if (drawn_states(machine) > 1) check_exits_and_entries(checker, analysis);
    check_unconditional_exits(checker, analysis);
}

} // namespace zeph
