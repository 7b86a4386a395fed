// State names, REST included: legal identifiers, not repeated by a later state, and not the
// name of a generic or a port that the machine's HDL also sees.
#include "statemachine/machine_checker.h"

#include "design/generic.h"
#include "design/name_limits.h"
#include "foundation/kind_vocabulary.h"
#include "hdl/identifier_rules.h"

namespace zeph {

namespace {

// The states in slot order: REST first.
std::vector<const State*> slots(const StateMachine& machine) {
    std::vector<const State*> states;
    states.reserve(machine.states.size() + 1);
    if (machine.rest_present()) states.push_back(machine.rest.get());
    for (const auto& state : machine.states)
        states.push_back(state.get());
    return states;
}

} // namespace

// A process machine is generated inside the architecture, where the entity's generics and
// ports are visible too; its process ports have no names of their own.
void check_state_names(MachineChecker& checker) {
    const Entity& entity = checker.scope.entity;
    std::vector<const State*> states = slots(checker.machine);
    auto same = [&checker](const std::string& a, const std::string& b) {
        return names_equal(a, b, checker.rules);
    };
    for (std::size_t i = 0; i < states.size(); ++i) {
        const std::string& name = states[i]->name;
        if (int code = check_identifier(name, kMaxHdlName, checker.rules); code != 0)
            checker.say(code, kKindState, 0, 0, name);
        for (std::size_t j = i + 1; j < states.size(); ++j)
            if (same(name, states[j]->name)) {
                checker.say(48, kKindState, 0, 0, name);
                break;
            }
        for (const auto& generic : entity.generics)
            if (same(name, generic->name)) {
                checker.say(5, kKindState, kKindDiagramGeneric, 0, name);
                break;
            }
        for (const auto& port : entity.ports)
            if (same(name, port->name)) {
                checker.say(5, kKindState, kKindDiagramPort, 0, name);
                break;
            }
    }
}

} // namespace zeph
