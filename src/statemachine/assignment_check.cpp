// Checking the state assignment of a machine.
#include "statemachine/assignment_check.h"

#include "foundation/strings.h"
#include "hdl/identifier_rules.h"
#include "statemachine/state_codes.h"

#include <algorithm>

namespace zeph {

namespace {

constexpr int kMaxOneHotStates = 80;
constexpr int kMaxTwoHotStates = 160;

struct Reporter {
    Report& report;
    Entity* entity;
    Architecture* architecture;
    Process* process;

    void say(int number, int i1, int i2, int i3, const char* s1, const char* s2, int form) {
        Finding f;
        f.number = number;
        f.i1 = i1;
        f.i2 = i2;
        f.i3 = i3;
        f.s1 = s1;
        f.s2 = s2;
        f.entity = entity;
        f.architecture = architecture;
        f.process = process;
        f.form = form;
        report.report(f);
    }
};

// The code without its leading blanks.
std::string_view trimmed(std::string_view code) {
    std::size_t first = code.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : code.substr(first);
}

void check_user_codes(StateMachine& machine, const AssignmentRules& rules, Reporter& say) {
    int longest = 0;
    for (const auto& state : machine.states) {
        if (state->code.empty())
            say.say(28, 0, 0, 0, state->name.c_str(), nullptr, form28::kNoCode);
        longest = std::max(longest, static_cast<int>(state->code.size()));
    }
    int states = static_cast<int>(machine.states.size());
    if (longest < 31 && (1LL << longest) < states) {
        say.say(28, 0, code_width_for(kAssignmentUserDefined, states), 0, nullptr, nullptr,
                form28::kTooFewBits);
        return;
    }
    machine.code_width = longest;
    for (std::size_t i = 0; i < machine.states.size(); ++i) {
        const State& state = *machine.states[i];
        if (state.code.empty()) continue;
        int length = static_cast<int>(state.code.size());
        if (length != longest) {
            say.say(28, 0, longest, length, state.name.c_str(), nullptr, form28::kCodeLength);
            continue;
        }
        if (state_code_is_illegal(state.code, rules.strict_codes, rules.rules)) {
            say.say(28, 0, 0, 0, state.name.c_str(), state.code.c_str(), form28::kInvalidCode);
            continue;
        }
        for (std::size_t j = i + 1; j < machine.states.size(); ++j) {
            const State& other = *machine.states[j];
            if (other.code.size() == state.code.size() && codes_conflict(state.code, other.code))
                say.say(28, 0, 0, 0, state.name.c_str(), other.name.c_str(), form28::kConflict);
        }
    }
}

} // namespace

AssignmentRules assignment_rules(int language_checking, std::string_view vector_type) {
    return {language_checking, vector_type.empty() || to_lower_ascii(vector_type) == "bit_vector"};
}

bool codes_conflict(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if ((a[i] == '0' && b[i] == '1') || (a[i] == '1' && b[i] == '0')) return false;
    return true;
}

void check_state_assignment(StateMachine& machine, const AssignmentRules& rules, Report& report,
                            Entity* entity, Architecture* architecture, Process* process) {
    Reporter say{report, entity, architecture, process};
    int assignment = machine.assignment;
    if (machine.style == kStyleImplicit) {
        if (machine.rest_present()) say.say(27, 0, 0, 0, nullptr, nullptr, kAutoForm);
        return;
    }
    if (assignment == kAssignmentNone) {
        say.say(28, 0, 0, 0, "Explicit", nullptr, form28::kNoAssignment);
        return;
    }
    if (assignment == kAssignmentUserDefined) {
        check_user_codes(machine, rules, say);
        return;
    }
    int states = static_cast<int>(machine.states.size());
    if (machine.rest_present()) {
        if (assignment == kAssignmentOneHot || assignment == kAssignmentTwoHot) {
            say.say(27, assignment, 0, 0, nullptr, nullptr, kAutoForm);
        } else if ((1LL << code_width_for(kAssignmentBinary, states)) == states) {
            // Every code of the width is a state: nothing is left for REST. The width is
            // the one Binary and Gray code keep; Enumerate keeps none of its own.
            say.say(109, assignment, 0, 0, nullptr, nullptr, kAutoForm);
        }
    }
    if (assignment == kAssignmentOneHot && states > kMaxOneHotStates)
        say.say(28, assignment, states - kMaxOneHotStates, 0, nullptr, nullptr,
                form28::kTooManyStates);
    if (assignment == kAssignmentTwoHot && states > kMaxTwoHotStates)
        say.say(28, assignment, states - kMaxTwoHotStates, 0, nullptr, nullptr,
                form28::kTooManyStates);
}

} // namespace zeph
